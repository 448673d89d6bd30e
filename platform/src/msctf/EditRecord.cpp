#include "msctf/EditRecord.h"

namespace platform {

HRESULT EditRecord::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfEditRecord);
  return Answer(known ? static_cast<ITfEditRecord*>(this) : nullptr, object);
}

HRESULT EditRecord::GetSelectionStatus(BOOL* pfChanged) {
  if (pfChanged == nullptr) return E_INVALIDARG;
  *pfChanged = selectionChanged_ ? TRUE : FALSE;
  return S_OK;
}

HRESULT EditRecord::GetTextAndPropertyUpdates(DWORD dwFlags, const GUID** prgProperties,
                                              ULONG cProperties, IEnumTfRanges** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

}  // namespace platform
