#include "msctf/ContextText.h"

#include "msctf/Context.h"

namespace platform {
namespace {

// Clears an out-pointer the caller gave, so a refused call leaves no
// garbage behind.
template <class T>
HRESULT NotBuilt(T** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

}  // namespace

ContextText::ContextText(Context& context, IUnknown* textStore) : context_(context) {}

ContextText::~ContextText() = default;

HRESULT ContextText::RequestEditSession(TfClientId tid, ITfEditSession* pes, DWORD dwFlags,
                                        HRESULT* phrSession) {
  if (phrSession) *phrSession = E_FAIL;
  return E_NOTIMPL;
}

HRESULT ContextText::InWriteSession(TfClientId tid, BOOL* pfWriteSession) {
  if (pfWriteSession == nullptr) return E_INVALIDARG;
  *pfWriteSession = FALSE;
  return S_OK;
}

HRESULT ContextText::GetSelection(TfEditCookie ec, ULONG ulIndex, ULONG ulCount,
                                  TF_SELECTION* pSelection, ULONG* pcFetched) {
  if (pcFetched) *pcFetched = 0;
  return E_NOTIMPL;
}

HRESULT ContextText::SetSelection(TfEditCookie ec, ULONG ulCount, const TF_SELECTION* pSelection) {
  return E_NOTIMPL;
}

HRESULT ContextText::GetStart(TfEditCookie ec, ITfRange** ppStart) { return NotBuilt(ppStart); }

HRESULT ContextText::GetEnd(TfEditCookie ec, ITfRange** ppEnd) { return NotBuilt(ppEnd); }

HRESULT ContextText::GetActiveView(ITfContextView** ppView) { return NotBuilt(ppView); }

HRESULT ContextText::EnumViews(IEnumTfContextViews** ppEnum) { return NotBuilt(ppEnum); }

HRESULT ContextText::GetStatus(TF_STATUS* pdcs) {
  if (pdcs == nullptr) return E_INVALIDARG;
  pdcs->dwDynamicFlags = 0;
  pdcs->dwStaticFlags = 0;
  return S_OK;
}

HRESULT ContextText::GetProperty(REFGUID guidProp, ITfProperty** ppProp) {
  return NotBuilt(ppProp);
}

HRESULT ContextText::GetAppProperty(REFGUID guidProp, ITfReadOnlyProperty** ppProp) {
  return NotBuilt(ppProp);
}

HRESULT ContextText::TrackProperties(const GUID** prgProp, ULONG cProp, const GUID** prgAppProp,
                                     ULONG cAppProp, ITfReadOnlyProperty** ppProperty) {
  return NotBuilt(ppProperty);
}

HRESULT ContextText::EnumProperties(IEnumTfProperties** ppEnum) { return NotBuilt(ppEnum); }

HRESULT ContextText::CreateRangeBackup(TfEditCookie ec, ITfRange* pRange,
                                       ITfRangeBackup** ppBackup) {
  return NotBuilt(ppBackup);
}

void* ContextText::FindInterface(REFIID riid) { return nullptr; }

void ContextText::ApplicationTyped(WCHAR character) {}

}  // namespace platform
