// ITfInputProcessorProfileMgr, the newer view of the same profile store as
// ITfInputProcessorProfiles (InputProcessorProfiles.h): one object answers
// both. RegisterProfile registers the text service, adds the language
// profile and sets whether it is enabled by default; UnregisterProfile
// removes the profile (and the text service's key once nothing is left in
// it); a host may take both away, as TSF before Windows Vista and Wine lack
// them (host/msctf/Profiles.h). Not provided (E_NOTIMPL): ActivateProfile, DeactivateProfile,
// GetProfile, EnumProfiles, ReleaseInputProcessor, GetActiveProfile.
#pragma once

#include "platform/msctf/WinTsf.h"

struct IEnumTfInputProcessorProfiles;

#define TF_PROFILETYPE_INPUTPROCESSOR 0x0001
#define TF_PROFILETYPE_KEYBOARDLAYOUT 0x0002

struct TF_INPUTPROCESSORPROFILE {
  DWORD dwProfileType;
  LANGID langid;
  CLSID clsid;
  GUID guidProfile;
  GUID catid;
  HKL hklSubstitute;
  DWORD dwCaps;
  HKL hkl;
  DWORD dwFlags;
};

struct ITfInputProcessorProfileMgr : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE ActivateProfile(DWORD dwProfileType, LANGID langid,
                                                    REFCLSID clsid, REFGUID guidProfile, HKL hkl,
                                                    DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE DeactivateProfile(DWORD dwProfileType, LANGID langid,
                                                      REFCLSID clsid, REFGUID guidProfile, HKL hkl,
                                                      DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProfile(DWORD dwProfileType, LANGID langid, REFCLSID clsid,
                                               REFGUID guidProfile, HKL hkl,
                                               TF_INPUTPROCESSORPROFILE* pProfile) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumProfiles(LANGID langid,
                                                 IEnumTfInputProcessorProfiles** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE ReleaseInputProcessor(REFCLSID rclsid, DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE RegisterProfile(REFCLSID rclsid, LANGID langid,
                                                    REFGUID guidProfile, const WCHAR* pchDesc,
                                                    ULONG cchDesc, const WCHAR* pchIconFile,
                                                    ULONG cchFile, ULONG uIconIndex,
                                                    HKL hklsubstitute, DWORD dwPreferredLayout,
                                                    BOOL bEnabledByDefault, DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE UnregisterProfile(REFCLSID rclsid, LANGID langid,
                                                      REFGUID guidProfile, DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetActiveProfile(REFGUID catid,
                                                     TF_INPUTPROCESSORPROFILE* pProfile) = 0;
};

inline constexpr IID IID_ITfInputProcessorProfileMgr = {
    0x71c6e74c, 0x0f28, 0x11d8, {0xa8, 0x2a, 0x00, 0x06, 0x5b, 0x84, 0x43, 0x5c}};
