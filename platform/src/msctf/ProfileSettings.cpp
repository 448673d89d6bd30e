#include "msctf/ProfileSettings.h"

#include <cstring>

namespace platform {

ProfileSettings& ProfileSettings::Instance() {
  static auto* settings = new ProfileSettings;  // used until the process ends
  return *settings;
}

bool ProfileSettings::Key::operator<(const Key& other) const {
  if (langid != other.langid) return langid < other.langid;
  return std::memcmp(&category, &other.category, sizeof(GUID)) < 0;
}

LANGID ProfileSettings::CurrentLanguage() {
  std::lock_guard<std::mutex> hold(lock_);
  return currentLanguage_;
}

void ProfileSettings::SetCurrentLanguage(LANGID langid) {
  std::lock_guard<std::mutex> hold(lock_);
  currentLanguage_ = langid;
}

bool ProfileSettings::DefaultProfile(LANGID langid, REFGUID category, CLSID& clsid, GUID& profile) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = defaults_.find(Key{langid, category});
  if (found == defaults_.end()) return false;
  clsid = found->second.first;
  profile = found->second.second;
  return true;
}

void ProfileSettings::SetDefaultProfile(LANGID langid, REFGUID category, REFCLSID clsid,
                                        REFGUID profile) {
  std::lock_guard<std::mutex> hold(lock_);
  defaults_[Key{langid, category}] = {clsid, profile};
}

void ProfileSettings::ClearDefaultProfiles() {
  std::lock_guard<std::mutex> hold(lock_);
  defaults_.clear();
}

}  // namespace platform

namespace platform {

bool ProfileSettings::ManagerRegistration() {
  std::lock_guard<std::mutex> hold(lock_);
  return managerRegistration_;
}

void ProfileSettings::SetManagerRegistration(bool offered) {
  std::lock_guard<std::mutex> hold(lock_);
  managerRegistration_ = offered;
}

}  // namespace platform
