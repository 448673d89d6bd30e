// The bounded wide formatters (crt/WinCrt.h).
#include <cerrno>
#include <cstring>

#include "Platform.h"
#include "crt/WideFormatter.h"

int _vsnwprintf_s(WCHAR* buffer, size_t sizeInWords, size_t count, const WCHAR* format,
                  va_list args) {
  if (buffer == nullptr || sizeInWords == 0 || format == nullptr) {
    errno = EINVAL;
    return -1;
  }
  std::u16string text = crt::WideFormatter::Format(format, args);
  size_t room = count == _TRUNCATE ? sizeInWords - 1 : count;
  if (count != _TRUNCATE && count >= sizeInWords && text.size() >= sizeInWords) {
    buffer[0] = 0;
    errno = ERANGE;
    return -1;
  }
  bool cut = text.size() > room;
  size_t written = cut ? room : text.size();
  std::memcpy(buffer, text.data(), written * sizeof(WCHAR));
  buffer[written] = 0;
  return cut ? -1 : static_cast<int>(written);
}

int _snwprintf_s(WCHAR* buffer, size_t sizeInWords, size_t count, const WCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  int result = _vsnwprintf_s(buffer, sizeInWords, count, format, args);
  va_end(args);
  return result;
}
