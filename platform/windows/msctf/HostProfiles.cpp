// The profiles TSF keeps on Windows (host/msctf/Profiles.h), read from the
// system's registration: HKLM\SOFTWARE\Microsoft\CTF\TIP\{clsid}\
// LanguageProfile\0x0000llll\{profile}, as regsvr32 left them.
#include "host/msctf/Profiles.h"

#include <optional>
#include <string>

namespace host {
namespace {

std::vector<std::wstring> Subkeys(HKEY key) {
  std::vector<std::wstring> names;
  WCHAR name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  return names;
}

std::u16string Text(HKEY key, const wchar_t* name) {
  WCHAR value[1024] = {};
  DWORD size = sizeof(value) - sizeof(WCHAR);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return {};
  return AsChar16(value);
}

std::optional<DWORD> Number(HKEY key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

}  // namespace

std::vector<RegisteredProfile> RegisteredProfiles() {
  std::vector<RegisteredProfile> profiles;
  HKEY tips = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\CTF\\TIP", 0, KEY_READ, &tips) !=
      ERROR_SUCCESS)
    return profiles;
  for (const std::wstring& tip : Subkeys(tips)) {
    CLSID clsid;
    if (FAILED(CLSIDFromString(tip.c_str(), &clsid))) continue;
    HKEY languages = nullptr;
    if (RegOpenKeyExW(tips, (tip + L"\\LanguageProfile").c_str(), 0, KEY_READ, &languages) !=
        ERROR_SUCCESS)
      continue;
    for (const std::wstring& language : Subkeys(languages)) {
      LANGID langid = static_cast<LANGID>(wcstoul(language.c_str(), nullptr, 16));
      HKEY profileKeys = nullptr;
      if (RegOpenKeyExW(languages, language.c_str(), 0, KEY_READ, &profileKeys) != ERROR_SUCCESS)
        continue;
      for (const std::wstring& name : Subkeys(profileKeys)) {
        RegisteredProfile profile{};
        profile.clsid = clsid;
        profile.langid = langid;
        if (FAILED(CLSIDFromString(name.c_str(), &profile.profile))) continue;
        HKEY values = nullptr;
        if (RegOpenKeyExW(profileKeys, name.c_str(), 0, KEY_READ, &values) != ERROR_SUCCESS)
          continue;
        profile.description = Text(values, L"Description");
        profile.iconFile = Text(values, L"IconFile");
        profile.iconIndex = Number(values, L"IconIndex").value_or(0);
        // A profile without the value was added and never disabled.
        profile.enabled = Number(values, L"Enable").value_or(1) != 0;
        RegCloseKey(values);
        profiles.push_back(profile);
      }
      RegCloseKey(profileKeys);
    }
    RegCloseKey(languages);
  }
  RegCloseKey(tips);
  return profiles;
}

}  // namespace host
