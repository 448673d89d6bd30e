// The key event sink: every key the application offers while the text
// service is active is classified here, eaten or let through, and handed to
// its handler in an edit session.
#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/CKeyHandlerEditSession.h"
#include "service/keys/ModifierKeys.h"
#include "service/tsf/LutemIME.h"

namespace {

constexpr WCHAR kInjectedPageDown = 0xF003;
constexpr WCHAR kInjectedPageUp = 0xF004;

KeyToSend KeyAsTyped(UINT vk, LPARAM lParam) {
  KeyToSend key;
  key.vk = vk & 0xFFFF;
  key.packet = static_cast<WCHAR>(vk >> 16);
  key.scan = static_cast<WORD>((static_cast<ULONG_PTR>(lParam) >> 16) & 0xFF);
  key.extended = ((static_cast<ULONG_PTR>(lParam) >> 24) & 1) != 0;
  key.shift = GetKeyState(VK_SHIFT) < 0;
  key.control = GetKeyState(VK_CONTROL) < 0;
  key.alt = GetKeyState(VK_MENU) < 0;
  return key;
}

}  // namespace

STDMETHODIMP LutemIME::OnSetFocus(BOOL) { return S_OK; }

STDMETHODIMP LutemIME::OnTestKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                     BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = KeyDownEvent(pic, wParam, lParam, true);
  return S_OK;
}

STDMETHODIMP LutemIME::OnKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = KeyDownEvent(pic, wParam, lParam, false);
  return S_OK;
}

STDMETHODIMP LutemIME::OnTestKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  TrackModifierKeys(wParam, lParam);
  *pfEaten = sentKeys.TakeIfSent(static_cast<UINT>(wParam), true)
                 ? FALSE
                 : ClassifyKey(pic, static_cast<UINT>(wParam), nullptr, nullptr, nullptr);
  return S_OK;
}

STDMETHODIMP LutemIME::OnKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  TrackModifierKeys(wParam, lParam);
  *pfEaten = sentKeys.TakeIfSent(static_cast<UINT>(wParam), true)
                 ? FALSE
                 : ClassifyKey(pic, static_cast<UINT>(wParam), nullptr, nullptr, nullptr);
  return S_OK;
}

STDMETHODIMP LutemIME::OnPreservedKey(ITfContext*, REFGUID rguid, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = FALSE;
  if (engine != nullptr) engine->HandlePreservedKey(rguid, pfEaten, threadMgr, clientId);
  return S_OK;
}

BOOL LutemIME::KeyDownEvent(ITfContext* context, WPARAM wParam, LPARAM lParam, bool test) {
  TrackModifierKeys(wParam, lParam);
  const UINT vk = static_cast<UINT>(wParam);
  // What the text service sent goes to the application as it is.
  if (sentKeys.TakeIfSent(vk, false)) return FALSE;
  if (keyHeld && !test && wParam == heldKeyWParam && lParam == heldKeyLParam) {
    // The test held this key back until the commit; it is sent again then.
    keyHeld = false;
    return TRUE;
  }
  keyHeld = false;

  UINT code = 0;
  WCHAR character = 0;
  KeystrokeState state = {CategoryNone, FunctionNone};
  const BOOL eaten = ClassifyKey(context, vk, &code, &character, &state);
  if (eaten) {
    if (test) return TRUE;
    if (code == VK_ESCAPE) state.category = CategoryComposing;
    const bool closedPageKey = (character == kInjectedPageDown || character == kInjectedPageUp) &&
                               state == KeystrokeState{CategoryNone, FunctionNone};
    if (!closedPageKey) RequestKeyHandler(context, code, character, state);
    return TRUE;
  }
  if (state.category != CategoryPassThrough) return FALSE;
  if (!PassKeyOn(context, vk, code, character, lParam)) return FALSE;
  if (test) {
    keyHeld = true;
    heldKeyWParam = wParam;
    heldKeyLParam = lParam;
  }
  return TRUE;
}

BOOL LutemIME::PassKeyOn(ITfContext* context, UINT vk, UINT code, WCHAR character,
                         LPARAM lParam) {
  if (context == nullptr) return FALSE;
  // Nothing composed and nothing about to be: the key has nothing to wait for.
  if (composition == nullptr && waitingKeySessions == 0) return FALSE;
  const KeystrokeState finalize = {CategoryComposing, FunctionFinalize};
  if (waitingKeySessions == 0) {
    // Ended now, before TSF gives the key to the application.
    CKeyHandlerEditSession* session =
        new (std::nothrow) CKeyHandlerEditSession(this, context, code, character, finalize);
    if (session == nullptr) return FALSE;
    HRESULT sessionResult = S_OK;
    const HRESULT hr = context->RequestEditSession(clientId, session,
                                                   TF_ES_SYNC | TF_ES_READWRITE, &sessionResult);
    session->Release();
    if (FAILED(hr) || sessionResult != TF_E_SYNCHRONOUS) return FALSE;
  }
  // The composition can end only later (no synchronous lock, or earlier
  // keys still wait for theirs): the key waits too, and reaches the
  // application after the commit, sent again.
  CKeyHandlerEditSession* session =
      new (std::nothrow) CKeyHandlerEditSession(this, context, code, character, finalize);
  if (session == nullptr) return FALSE;
  session->SendAfterwards(KeyAsTyped(vk, lParam));
  HRESULT sessionResult = S_OK;
  const HRESULT hr =
      context->RequestEditSession(clientId, session, TF_ES_ASYNC | TF_ES_READWRITE, &sessionResult);
  if (SUCCEEDED(hr) && sessionResult == TF_S_ASYNC) session->MarkWaiting();
  session->Release();
  return SUCCEEDED(hr) && (sessionResult == TF_S_ASYNC || SUCCEEDED(sessionResult)) ? TRUE : FALSE;
}
