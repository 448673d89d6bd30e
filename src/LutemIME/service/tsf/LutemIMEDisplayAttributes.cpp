// The display-attribute provider: how composed text looks.
#include <new>

#include "service/module/CDisplayAttributeInfoConverted.h"
#include "service/module/CDisplayAttributeInfoInput.h"
#include "service/module/CEnumDisplayAttributeInfo.h"
#include "service/module/TextServiceGuids.h"
#include "service/tsf/LutemIME.h"

STDMETHODIMP LutemIME::EnumDisplayAttributeInfo(IEnumTfDisplayAttributeInfo** ppEnum) {
  if (ppEnum == nullptr) return E_INVALIDARG;
  *ppEnum = new (std::nothrow) CEnumDisplayAttributeInfo;
  return *ppEnum != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP LutemIME::GetDisplayAttributeInfo(REFGUID guidInfo, ITfDisplayAttributeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_INVALIDARG;
  *ppInfo = nullptr;
  if (IsEqualGUID(guidInfo, GUID_DisplayAttributeInput)) {
    *ppInfo = new (std::nothrow) CDisplayAttributeInfoInput;
  } else if (IsEqualGUID(guidInfo, GUID_DisplayAttributeConverted)) {
    *ppInfo = new (std::nothrow) CDisplayAttributeInfoConverted;
  } else {
    return E_INVALIDARG;
  }
  return *ppInfo != nullptr ? S_OK : E_OUTOFMEMORY;
}
