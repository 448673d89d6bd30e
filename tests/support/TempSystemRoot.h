#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder standing for drive C: for one test, named by
// LUTEM_SYSTEM_ROOT while the object lives, so no test touches the user's
// stand-in registry, pipes or mutexes. Short, because pipe socket paths
// under it must fit a Unix socket address.
class TempSystemRoot {
 public:
  TempSystemRoot() {
    char pattern[] = "/tmp/lutem-XXXXXX";
    const char* made = mkdtemp(pattern);
    path_ = made ? made : "";
    const char* old = std::getenv("LUTEM_SYSTEM_ROOT");
    hadOld_ = old != nullptr;
    if (hadOld_) old_ = old;
    setenv("LUTEM_SYSTEM_ROOT", path_.c_str(), 1);
  }
  ~TempSystemRoot() {
    if (hadOld_)
      setenv("LUTEM_SYSTEM_ROOT", old_.c_str(), 1);
    else
      unsetenv("LUTEM_SYSTEM_ROOT");
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempSystemRoot(const TempSystemRoot&) = delete;
  TempSystemRoot& operator=(const TempSystemRoot&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string old_;
  bool hadOld_ = false;
};
