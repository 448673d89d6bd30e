// ITfInputProcessorProfiles: the text services and language profiles
// registered on the machine, the current input language and each language's
// default profile (after the TSF documentation of the interface). What is
// registered lives in the registry where TSF keeps it:
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\CTF\TIP\{clsid}, and below it
// LanguageProfile\0x0000llll\{profile} with the values "Description",
// "IconFile", "IconIndex" and "Enable". The current language (0x0845 unless
// the host sets another) and the defaults chosen with
// SetDefaultLanguageProfile belong to the process.
// Not provided (E_NOTIMPL): EnumInputProcessorInfo, ActivateLanguageProfile,
// GetActiveLanguageProfile, GetLanguageList, EnumLanguageProfiles,
// SubstituteKeyboardLayout.
#pragma once

#include "platform/msctf/WinTsf.h"

struct IEnumGUID;
struct IEnumTfLanguageProfiles;

struct TF_LANGUAGEPROFILE {
  CLSID clsid;
  LANGID langid;
  GUID catid;
  BOOL fActive;
  GUID guidProfile;
};

struct ITfInputProcessorProfiles : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Register(REFCLSID rclsid) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unregister(REFCLSID rclsid) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                       REFGUID guidProfile, const WCHAR* pchDesc,
                                                       ULONG cchDesc, const WCHAR* pchIconFile,
                                                       ULONG cchFile, ULONG uIconIndex) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                          REFGUID guidProfile) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumInputProcessorInfo(IEnumGUID** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDefaultLanguageProfile(LANGID langid, REFGUID catid,
                                                              CLSID* pclsid,
                                                              GUID* pguidProfile) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDefaultLanguageProfile(LANGID langid, REFCLSID rclsid,
                                                              REFGUID guidProfiles) = 0;
  virtual HRESULT STDMETHODCALLTYPE ActivateLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                            REFGUID guidProfiles) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetActiveLanguageProfile(REFCLSID rclsid, LANGID* plangid,
                                                             GUID* pguidProfile) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLanguageProfileDescription(REFCLSID rclsid, LANGID langid,
                                                                  REFGUID guidProfile,
                                                                  BSTR* pbstrProfile) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentLanguage(LANGID* plangid) = 0;
  virtual HRESULT STDMETHODCALLTYPE ChangeCurrentLanguage(LANGID langid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetLanguageList(LANGID** ppLangId, ULONG* pulCount) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumLanguageProfiles(LANGID langid,
                                                         IEnumTfLanguageProfiles** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                          REFGUID guidProfile, BOOL fEnable) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsEnabledLanguageProfile(REFCLSID rclsid, LANGID langid,
                                                             REFGUID guidProfile,
                                                             BOOL* pfEnable) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableLanguageProfileByDefault(REFCLSID rclsid, LANGID langid,
                                                                   REFGUID guidProfile,
                                                                   BOOL fEnable) = 0;
  virtual HRESULT STDMETHODCALLTYPE SubstituteKeyboardLayout(REFCLSID rclsid, LANGID langid,
                                                             REFGUID guidProfile, HKL hKL) = 0;
};

inline constexpr IID IID_ITfInputProcessorProfiles = {
    0x1f02b6c5, 0x7842, 0x4ee6, {0x8a, 0x0b, 0x9a, 0x24, 0x18, 0x3a, 0x95, 0xca}};
