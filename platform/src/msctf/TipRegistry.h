#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

// What TSF keeps in the registry about text services, below
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\CTF\TIP\{clsid}:
//   LanguageProfile\0x0000llll\{profile}: "Description" (REG_SZ), "IconFile"
//     (REG_SZ), "IconIndex" (REG_DWORD), "Enable" (REG_DWORD 1 or 0);
//   Category\Category\{category}\{item} and Category\Item\{item}\{category}.
// Written through the registry's store, not its API, so the registry's
// failure switches count only the callers' own registry calls. Removing a
// profile or a category also removes the keys it leaves empty, up to the
// text service's own key.
class TipRegistry {
 public:
  struct Profile {
    CLSID clsid;
    LANGID langid;
    GUID profile;
    std::u16string description;
    std::u16string iconFile;
    DWORD iconIndex = 0;
    bool enabled = false;
  };

  static LONG RegisterTip(REFCLSID clsid);
  static LONG UnregisterTip(REFCLSID clsid);
  static bool IsRegistered(REFCLSID clsid);

  static LONG AddProfile(REFCLSID clsid, LANGID langid, REFGUID profile,
                         const std::u16string& description, const std::u16string& iconFile,
                         DWORD iconIndex);
  static LONG RemoveProfile(REFCLSID clsid, LANGID langid, REFGUID profile);
  static LONG SetEnabled(REFCLSID clsid, LANGID langid, REFGUID profile, bool enabled);
  // ERROR_FILE_NOT_FOUND when no such profile is registered.
  static LONG FindProfile(REFCLSID clsid, LANGID langid, REFGUID profile, Profile& found);
  // Every registered profile, text services and profiles in key order.
  static std::vector<Profile> Profiles();

  static LONG AddCategory(REFCLSID clsid, REFGUID category, REFGUID item);
  static LONG RemoveCategory(REFCLSID clsid, REFGUID category, REFGUID item);
  // The categories the text service registered for the item.
  static std::vector<GUID> CategoriesOf(REFCLSID clsid, REFGUID item);
};

}  // namespace platform
