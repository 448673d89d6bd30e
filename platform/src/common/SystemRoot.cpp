#include "host/SystemRoot.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "common/HostText.h"

namespace platform {

std::string SystemRootFolder() {
  const char* root = std::getenv("LUTEM_SYSTEM_ROOT");
  if (root != nullptr && *root != '\0') return root;
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return std::string(home) + "/.local/share/lutem-keyboard/drive-c";
  return "/tmp/lutem-keyboard/drive-c";
}

std::string HostPathFromWindowsPath(std::u16string_view path) {
  std::string utf8 = Utf8FromWide(path);
  bool onDriveC = utf8.size() >= 2 && (utf8[0] == 'C' || utf8[0] == 'c') && utf8[1] == ':';
  if (!onDriveC) return utf8;
  std::string rest = utf8.substr(2);
  for (char& c : rest)
    if (c == '\\') c = '/';
  if (!rest.empty() && rest[0] != '/') rest.insert(rest.begin(), '/');
  return SystemRootFolder() + rest;
}

std::u16string WindowsPathFromHostPath(const std::string& path) {
  std::string root = SystemRootFolder();
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  if (path.compare(0, root.size(), root) != 0 ||
      (path.size() > root.size() && path[root.size()] != '/'))
    return WideFromUtf8(path);
  std::string rest = path.substr(root.size());
  for (char& c : rest)
    if (c == '/') c = '\\';
  if (rest.empty()) rest = "\\";
  return WideFromUtf8("C:" + rest);
}

bool EnsureFolder(const std::string& path) {
  if (path.empty()) return false;
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos != path.size() && path[pos] != '/') continue;
    std::string part = path.substr(0, pos);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace platform
