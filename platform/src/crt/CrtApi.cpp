#include <cstring>
#include <string>

#include "Platform.h"
#include "common/FailureSwitch.h"
#include "crt/TextModeStream.h"
#include "host/SystemRoot.h"

namespace {

constexpr WCHAR kLargestNarrowUnit = 0xFF;

bool IsDriveC(const char* path) {
  return (path[0] == 'C' || path[0] == 'c') && path[1] == ':';
}

// A path on drive C: names a file under the system root; its bytes are the
// locale's narrow form, one unit each. Other paths are the host's own.
std::string HostPathFromNarrow(const char* path) {
  if (!IsDriveC(path)) return path;
  std::u16string wide;
  for (const char* p = path; *p != '\0'; ++p) wide += static_cast<char16_t>(static_cast<unsigned char>(*p));
  return platform::HostPathFromWindowsPath(wide);
}

bool ValidMode(const char* mode) {
  if (mode[0] != 'r' && mode[0] != 'w' && mode[0] != 'a') return false;
  for (const char* p = mode + 1; *p != '\0'; ++p)
    if (std::strchr("+bt", *p) == nullptr) return false;
  return true;
}

// Opens hostPath for a mode already checked. Without "b" a file is in text
// mode, the runtime's default; reading translates it (TextModeStream.h),
// writing does not (nothing here writes text files that Windows reads).
errno_t OpenHostFile(std::FILE** file, const std::string& hostPath, const char* mode) {
  std::string hostMode;
  for (const char* p = mode; *p != '\0'; ++p)
    if (*p != 't') hostMode += *p;
  const bool textReader = hostMode == "r";
  errno = 0;
  std::FILE* opened = std::fopen(hostPath.c_str(), hostMode.c_str());
  if (opened == nullptr) return errno != 0 ? errno : EINVAL;
  if (textReader) {
    opened = crt::OpenTextModeReader(opened);
    if (opened == nullptr) return errno = ENOMEM;
  }
  *file = opened;
  return 0;
}

}  // namespace

errno_t wcstombs_s(size_t* converted, char* dest, size_t destBytes, const WCHAR* src,
                   size_t count) {
  if (converted != nullptr) *converted = 0;
  if (src == nullptr || (dest == nullptr && destBytes != 0) || (dest != nullptr && destBytes == 0))
    return errno = EINVAL;

  if (dest == nullptr) {
    size_t needed = 0;
    for (const WCHAR* p = src; *p != 0 && needed < count; ++p) {
      if (*p > kLargestNarrowUnit) return errno = EILSEQ;
      ++needed;
    }
    if (converted != nullptr) *converted = needed + 1;
    return 0;
  }

  const bool truncate = count == _TRUNCATE;
  size_t written = 0;
  errno_t result = 0;
  for (const WCHAR* p = src; *p != 0 && (truncate || written < count); ++p) {
    if (*p > kLargestNarrowUnit) {
      dest[0] = '\0';
      return errno = EILSEQ;
    }
    if (written + 1 == destBytes) {
      if (!truncate) {
        dest[0] = '\0';
        return errno = ERANGE;
      }
      result = STRUNCATE;
      break;
    }
    dest[written++] = static_cast<char>(*p);
  }
  dest[written] = '\0';
  if (converted != nullptr) *converted = written + 1;
  return result;
}

errno_t fopen_s(std::FILE** file, const char* path, const char* mode) {
  if (file == nullptr) return errno = EINVAL;
  *file = nullptr;
  if (path == nullptr || mode == nullptr || !ValidMode(mode)) return errno = EINVAL;
  return OpenHostFile(file, HostPathFromNarrow(path), mode);
}

errno_t _wfopen_s(std::FILE** file, const WCHAR* path, const WCHAR* mode) {
  if (file == nullptr) return errno = EINVAL;
  *file = nullptr;
  if (path == nullptr || mode == nullptr) return errno = EINVAL;
  std::string narrowMode;
  for (const WCHAR* p = mode; *p != 0; ++p) {
    if (*p > 0x7F) return errno = EINVAL;
    narrowMode += static_cast<char>(*p);
  }
  if (!ValidMode(narrowMode.c_str())) return errno = EINVAL;
  if (platform::ShouldFail("_wfopen_s")) return errno = EACCES;
  return OpenHostFile(file, platform::HostPathFromWindowsPath(path), narrowMode.c_str());
}
