#pragma once

#include <string>

#ifndef _WIN32
#include "support/TempSystemRoot.h"
#endif

// A fresh start for one test of the settings pipe: no stored settings, no
// learned pairs, and a scratch folder (path()) that goes with the object.
// On the stand-in that is a new drive C: of its own. Windows has one registry
// per user and one pipe namespace per session, so there the product's keys
// are removed before and after the test, the tests run one at a time, and
// they run at all only in a profile marked as disposable (a Wine prefix made
// for the run): LUTEM_TEST_DISPOSABLE_PROFILE=1, or the program fails
// without running a test.
class SettingsTestRoot {
 public:
  SettingsTestRoot();
  ~SettingsTestRoot();
  SettingsTestRoot(const SettingsTestRoot&) = delete;
  SettingsTestRoot& operator=(const SettingsTestRoot&) = delete;

  const std::string& path() const;

 private:
#ifdef _WIN32
  std::string path_;
#else
  TempSystemRoot root_;
#endif
};
