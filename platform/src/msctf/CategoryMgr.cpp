// The system's category manager (CLSID_TF_CategoryMgr): categories in the
// registry (TipRegistry), GUID atoms for the process (GuidAtoms). Failure
// switches (E_FAIL): "ITfCategoryMgr::RegisterCategory",
// "ITfCategoryMgr::UnregisterCategory", "ITfCategoryMgr::RegisterGUID".
#include "common/FailureSwitch.h"
#include "msctf/ComObject.h"
#include "msctf/GuidAtoms.h"
#include "msctf/TipRegistry.h"
#include "ole32/BuiltInClasses.h"

namespace platform {

namespace {

class CategoryMgr final : public ComObject<ITfCategoryMgr> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
    if (ppvObject == nullptr) return E_POINTER;
    bool mine = riid == IID_IUnknown || riid == IID_ITfCategoryMgr;
    return Answer(mine ? static_cast<ITfCategoryMgr*>(this) : nullptr, ppvObject);
  }

  HRESULT STDMETHODCALLTYPE RegisterCategory(REFCLSID rclsid, REFGUID rcatid,
                                             REFGUID rguid) override {
    if (ShouldFail("ITfCategoryMgr::RegisterCategory")) return E_FAIL;
    return TipRegistry::AddCategory(rclsid, rcatid, rguid) == ERROR_SUCCESS ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE UnregisterCategory(REFCLSID rclsid, REFGUID rcatid,
                                               REFGUID rguid) override {
    if (ShouldFail("ITfCategoryMgr::UnregisterCategory")) return E_FAIL;
    return TipRegistry::RemoveCategory(rclsid, rcatid, rguid) == ERROR_SUCCESS ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE EnumCategoriesInItem(REFGUID, IEnumGUID** ppEnum) override {
    if (ppEnum != nullptr) *ppEnum = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumItemsInCategory(REFGUID, IEnumGUID** ppEnum) override {
    if (ppEnum != nullptr) *ppEnum = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindClosestCategory(REFGUID, GUID*, const GUID**, ULONG) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE RegisterGUIDDescription(REFCLSID, REFGUID, const WCHAR*,
                                                    ULONG) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnregisterGUIDDescription(REFCLSID, REFGUID) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetGUIDDescription(REFGUID, BSTR* pbstrDesc) override {
    if (pbstrDesc != nullptr) *pbstrDesc = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE RegisterGUIDDWORD(REFCLSID, REFGUID, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnregisterGUIDDWORD(REFCLSID, REFGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetGUIDDWORD(REFGUID, DWORD*) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE RegisterGUID(REFGUID rguid, TfGuidAtom* pguidatom) override {
    if (pguidatom == nullptr) return E_INVALIDARG;
    *pguidatom = TF_INVALID_GUIDATOM;
    if (ShouldFail("ITfCategoryMgr::RegisterGUID")) return E_FAIL;
    *pguidatom = GuidAtoms::Instance().Register(rguid);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetGUID(TfGuidAtom guidatom, GUID* pguid) override {
    if (pguid == nullptr) return E_INVALIDARG;
    *pguid = GUID_NULL;
    return GuidAtoms::Instance().Find(guidatom, *pguid) ? S_OK : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE IsEqualTfGuidAtom(TfGuidAtom guidatom, REFGUID rguid,
                                              BOOL* pfEqual) override {
    if (pfEqual == nullptr) return E_INVALIDARG;
    *pfEqual = FALSE;
    GUID guid;
    if (!GuidAtoms::Instance().Find(guidatom, guid)) return E_INVALIDARG;
    *pfEqual = guid == rguid ? TRUE : FALSE;
    return S_OK;
  }
};

[[maybe_unused]] const bool registered = [] {
  RegisterBuiltInClass(CLSID_TF_CategoryMgr, "CLSID_TF_CategoryMgr",
                       CreateBuiltInObject<CategoryMgr, ITfCategoryMgr>);
  return true;
}();

}  // namespace

}  // namespace platform
