// The key event sink. Keys are not classified yet: every key goes on to the
// application, and only the preserved keys do something.
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/tsf/LutemIME.h"

namespace {

HRESULT NotEaten(BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = FALSE;
  return S_OK;
}

}  // namespace

STDMETHODIMP LutemIME::OnSetFocus(BOOL) { return S_OK; }

STDMETHODIMP LutemIME::OnTestKeyDown(ITfContext*, WPARAM, LPARAM, BOOL* pfEaten) {
  return NotEaten(pfEaten);
}

STDMETHODIMP LutemIME::OnTestKeyUp(ITfContext*, WPARAM, LPARAM, BOOL* pfEaten) {
  return NotEaten(pfEaten);
}

STDMETHODIMP LutemIME::OnKeyDown(ITfContext*, WPARAM, LPARAM, BOOL* pfEaten) {
  return NotEaten(pfEaten);
}

STDMETHODIMP LutemIME::OnKeyUp(ITfContext*, WPARAM, LPARAM, BOOL* pfEaten) {
  return NotEaten(pfEaten);
}

STDMETHODIMP LutemIME::OnPreservedKey(ITfContext*, REFGUID rguid, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = FALSE;
  if (engine != nullptr) engine->HandlePreservedKey(rguid, pfEaten, threadMgr, clientId);
  return S_OK;
}
