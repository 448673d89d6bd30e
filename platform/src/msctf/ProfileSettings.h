#pragma once

#include <map>
#include <mutex>
#include <utility>

#include "Platform.h"

namespace platform {

// What the process's input-processor profiles know beyond the registry: the
// current input language (0x0845, Bengali (Bangladesh), unless changed) and
// the default profile chosen per language and category, and whether the
// profile manager's own registration calls are there.
class ProfileSettings {
 public:
  static ProfileSettings& Instance();

  LANGID CurrentLanguage();
  void SetCurrentLanguage(LANGID langid);

  bool DefaultProfile(LANGID langid, REFGUID category, CLSID& clsid, GUID& profile);
  void SetDefaultProfile(LANGID langid, REFGUID category, REFCLSID clsid, REFGUID profile);
  void ClearDefaultProfiles();

  // Whether the profile manager's RegisterProfile and UnregisterProfile work.
  bool ManagerRegistration();
  void SetManagerRegistration(bool offered);

 private:
  struct Key {
    LANGID langid;
    GUID category;
    bool operator<(const Key& other) const;
  };

  std::mutex lock_;
  LANGID currentLanguage_ = 0x0845;
  bool managerRegistration_ = true;
  std::map<Key, std::pair<CLSID, GUID>> defaults_;
};

}  // namespace platform
