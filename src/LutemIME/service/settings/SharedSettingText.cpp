#include "service/settings/SharedSettingText.h"

#include <mutex>

namespace {

// One lock for every text setting: they are small, and a copy is all that is
// done under it.
std::mutex& SettingsTextLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

SharedSettingText::SharedSettingText(std::u16string_view initial) : value_(initial) {}

std::u16string SharedSettingText::Get() const {
  std::lock_guard<std::mutex> hold(SettingsTextLock());
  return value_;
}

void SharedSettingText::Set(std::u16string value) {
  // The old text leaves in value and is freed after the lock is let go.
  std::lock_guard<std::mutex> hold(SettingsTextLock());
  value_.swap(value);
}
