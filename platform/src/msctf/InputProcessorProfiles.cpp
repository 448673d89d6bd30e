// The system's input-processor profiles object (CLSID_TF_InputProcessorProfiles):
// one object answers ITfInputProcessorProfiles and ITfInputProcessorProfileMgr
// over the registry (TipRegistry) and the process's settings
// (ProfileSettings). Failure switches (E_FAIL):
// "ITfInputProcessorProfileMgr::RegisterProfile",
// "ITfInputProcessorProfileMgr::UnregisterProfile",
// "ITfInputProcessorProfiles::GetCurrentLanguage",
// "ITfInputProcessorProfiles::GetDefaultLanguageProfile".
#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "msctf/ComObject.h"
#include "msctf/ProfileSettings.h"
#include "msctf/TipRegistry.h"
#include "ole32/BuiltInClasses.h"

namespace platform {

namespace {

// A description or file name given as units and a count, (ULONG)-1 meaning
// up to the NUL; false for a count without text.
bool TextArgument(const WCHAR* text, ULONG count, std::u16string& out) {
  if (text == nullptr) {
    out.clear();
    return count == 0 || count == static_cast<ULONG>(-1);
  }
  size_t length = count == static_cast<ULONG>(-1) ? WideLength(text) : count;
  out.assign(text, length);
  return true;
}

HRESULT FromError(LONG error) { return error == ERROR_SUCCESS ? S_OK : E_FAIL; }

class InputProcessorProfiles final
    : public ComObject<ITfInputProcessorProfiles, ITfInputProcessorProfileMgr> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
    if (ppvObject == nullptr) return E_POINTER;
    void* found = nullptr;
    if (riid == IID_IUnknown || riid == IID_ITfInputProcessorProfiles)
      found = static_cast<ITfInputProcessorProfiles*>(this);
    else if (riid == IID_ITfInputProcessorProfileMgr)
      found = static_cast<ITfInputProcessorProfileMgr*>(this);
    return Answer(found, ppvObject);
  }

  // ITfInputProcessorProfiles
  HRESULT STDMETHODCALLTYPE Register(REFCLSID rclsid) override {
    return FromError(TipRegistry::RegisterTip(rclsid));
  }
  HRESULT STDMETHODCALLTYPE Unregister(REFCLSID rclsid) override {
    return FromError(TipRegistry::UnregisterTip(rclsid));
  }
  HRESULT STDMETHODCALLTYPE AddLanguageProfile(REFCLSID rclsid, LANGID langid, REFGUID guidProfile,
                                               const WCHAR* pchDesc, ULONG cchDesc,
                                               const WCHAR* pchIconFile, ULONG cchFile,
                                               ULONG uIconIndex) override {
    std::u16string description, iconFile;
    if (!TextArgument(pchDesc, cchDesc, description) ||
        !TextArgument(pchIconFile, cchFile, iconFile))
      return E_INVALIDARG;
    if (!TipRegistry::IsRegistered(rclsid)) return E_FAIL;
    return FromError(
        TipRegistry::AddProfile(rclsid, langid, guidProfile, description, iconFile, uIconIndex));
  }
  HRESULT STDMETHODCALLTYPE RemoveLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                  REFGUID guidProfile) override {
    return FromError(TipRegistry::RemoveProfile(rclsid, langid, guidProfile));
  }
  HRESULT STDMETHODCALLTYPE EnumInputProcessorInfo(IEnumGUID** ppEnum) override {
    if (ppEnum != nullptr) *ppEnum = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDefaultLanguageProfile(LANGID langid, REFGUID catid, CLSID* pclsid,
                                                      GUID* pguidProfile) override {
    if (pclsid == nullptr || pguidProfile == nullptr) return E_INVALIDARG;
    *pclsid = GUID_NULL;
    *pguidProfile = GUID_NULL;
    if (ShouldFail("ITfInputProcessorProfiles::GetDefaultLanguageProfile")) return E_FAIL;
    if (ProfileSettings::Instance().DefaultProfile(langid, catid, *pclsid, *pguidProfile))
      return S_OK;
    for (const TipRegistry::Profile& profile : TipRegistry::Profiles()) {
      if (profile.langid != langid || !profile.enabled) continue;
      for (const GUID& category : TipRegistry::CategoriesOf(profile.clsid, profile.clsid)) {
        if (category != catid) continue;
        *pclsid = profile.clsid;
        *pguidProfile = profile.profile;
        return S_OK;
      }
    }
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE SetDefaultLanguageProfile(LANGID langid, REFCLSID rclsid,
                                                      REFGUID guidProfiles) override {
    TipRegistry::Profile profile;
    if (TipRegistry::FindProfile(rclsid, langid, guidProfiles, profile) != ERROR_SUCCESS)
      return E_INVALIDARG;
    for (const GUID& category : TipRegistry::CategoriesOf(rclsid, rclsid))
      ProfileSettings::Instance().SetDefaultProfile(langid, category, rclsid, guidProfiles);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ActivateLanguageProfile(REFCLSID, LANGID, REFGUID) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetActiveLanguageProfile(REFCLSID, LANGID*, GUID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetLanguageProfileDescription(REFCLSID rclsid, LANGID langid,
                                                          REFGUID guidProfile,
                                                          BSTR* pbstrProfile) override {
    if (pbstrProfile == nullptr) return E_INVALIDARG;
    *pbstrProfile = nullptr;
    TipRegistry::Profile profile;
    if (TipRegistry::FindProfile(rclsid, langid, guidProfile, profile) != ERROR_SUCCESS)
      return E_FAIL;
    *pbstrProfile = SysAllocStringLen(profile.description.data(),
                                      static_cast<UINT>(profile.description.size()));
    return *pbstrProfile != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE GetCurrentLanguage(LANGID* plangid) override {
    if (plangid == nullptr) return E_INVALIDARG;
    if (ShouldFail("ITfInputProcessorProfiles::GetCurrentLanguage")) return E_FAIL;
    *plangid = ProfileSettings::Instance().CurrentLanguage();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ChangeCurrentLanguage(LANGID langid) override {
    ProfileSettings::Instance().SetCurrentLanguage(langid);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLanguageList(LANGID** ppLangId, ULONG* pulCount) override {
    if (ppLangId != nullptr) *ppLangId = nullptr;
    if (pulCount != nullptr) *pulCount = 0;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumLanguageProfiles(LANGID,
                                                 IEnumTfLanguageProfiles** ppEnum) override {
    if (ppEnum != nullptr) *ppEnum = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnableLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                  REFGUID guidProfile, BOOL fEnable) override {
    return FromError(TipRegistry::SetEnabled(rclsid, langid, guidProfile, fEnable != FALSE));
  }
  HRESULT STDMETHODCALLTYPE IsEnabledLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                     REFGUID guidProfile, BOOL* pfEnable) override {
    if (pfEnable == nullptr) return E_INVALIDARG;
    *pfEnable = FALSE;
    TipRegistry::Profile profile;
    if (TipRegistry::FindProfile(rclsid, langid, guidProfile, profile) != ERROR_SUCCESS)
      return E_FAIL;
    *pfEnable = profile.enabled ? TRUE : FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnableLanguageProfileByDefault(REFCLSID rclsid, LANGID langid,
                                                           REFGUID guidProfile,
                                                           BOOL fEnable) override {
    return EnableLanguageProfile(rclsid, langid, guidProfile, fEnable);
  }
  HRESULT STDMETHODCALLTYPE SubstituteKeyboardLayout(REFCLSID, LANGID, REFGUID, HKL) override {
    return E_NOTIMPL;
  }

  // ITfInputProcessorProfileMgr
  HRESULT STDMETHODCALLTYPE ActivateProfile(DWORD, LANGID, REFCLSID, REFGUID, HKL, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DeactivateProfile(DWORD, LANGID, REFCLSID, REFGUID, HKL,
                                              DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetProfile(DWORD, LANGID, REFCLSID, REFGUID, HKL,
                                       TF_INPUTPROCESSORPROFILE*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumProfiles(LANGID, IEnumTfInputProcessorProfiles** ppEnum) override {
    if (ppEnum != nullptr) *ppEnum = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ReleaseInputProcessor(REFCLSID, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RegisterProfile(REFCLSID rclsid, LANGID langid, REFGUID guidProfile,
                                            const WCHAR* pchDesc, ULONG cchDesc,
                                            const WCHAR* pchIconFile, ULONG cchFile,
                                            ULONG uIconIndex, HKL, DWORD, BOOL bEnabledByDefault,
                                            DWORD) override {
    if (!ProfileSettings::Instance().ManagerRegistration()) return E_NOTIMPL;
    if (ShouldFail("ITfInputProcessorProfileMgr::RegisterProfile")) return E_FAIL;
    HRESULT hr = Register(rclsid);
    if (SUCCEEDED(hr))
      hr = AddLanguageProfile(rclsid, langid, guidProfile, pchDesc, cchDesc, pchIconFile, cchFile,
                              uIconIndex);
    if (SUCCEEDED(hr))
      hr = EnableLanguageProfileByDefault(rclsid, langid, guidProfile, bEnabledByDefault);
    return hr;
  }
  HRESULT STDMETHODCALLTYPE UnregisterProfile(REFCLSID rclsid, LANGID langid, REFGUID guidProfile,
                                              DWORD) override {
    if (!ProfileSettings::Instance().ManagerRegistration()) return E_NOTIMPL;
    if (ShouldFail("ITfInputProcessorProfileMgr::UnregisterProfile")) return E_FAIL;
    return RemoveLanguageProfile(rclsid, langid, guidProfile);
  }
  HRESULT STDMETHODCALLTYPE GetActiveProfile(REFGUID, TF_INPUTPROCESSORPROFILE*) override {
    return E_NOTIMPL;
  }
};

[[maybe_unused]] const bool registered = [] {
  RegisterBuiltInClass(CLSID_TF_InputProcessorProfiles, "CLSID_TF_InputProcessorProfiles",
                       CreateBuiltInObject<InputProcessorProfiles, ITfInputProcessorProfiles>);
  return true;
}();

}  // namespace

}  // namespace platform
