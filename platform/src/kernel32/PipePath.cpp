#include "kernel32/PipePath.h"

#include <sys/un.h>

#include "common/HostText.h"
#include "host/SystemRoot.h"

namespace platform {

namespace {

constexpr std::u16string_view kPrefix = u"\\\\.\\PIPE\\";

}  // namespace

bool IsPipeName(LPCWSTR name) {
  if (name == nullptr) return false;
  std::u16string_view text(name, WideLength(name));
  return text.size() >= kPrefix.size() && FoldCase(text.substr(0, kPrefix.size())) == kPrefix;
}

DWORD PipeSocketPath(LPCWSTR name, std::string& path) {
  if (!IsPipeName(name)) return ERROR_INVALID_NAME;
  std::u16string_view rest(name + kPrefix.size(), WideLength(name) - kPrefix.size());
  if (rest.empty()) return ERROR_INVALID_NAME;
  path = SystemRootFolder() + "/.pipes/" + FileNameForObject(rest);
  if (path.size() >= sizeof(sockaddr_un{}.sun_path)) return ERROR_FILENAME_EXCED_RANGE;
  return ERROR_SUCCESS;
}

}  // namespace platform
