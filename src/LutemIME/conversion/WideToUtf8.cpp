#include "conversion/WideToUtf8.h"

#include <climits>

#include "Platform.h"

std::string WideToUtf8(std::u16string_view text) {
  if (text.empty() || text.size() > static_cast<size_t>(INT_MAX)) return {};
  auto src = reinterpret_cast<LPCWSTR>(text.data());
  int length = static_cast<int>(text.size());
  int size = WideCharToMultiByte(CP_UTF8, 0, src, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<size_t>(size), '\0');
  if (WideCharToMultiByte(CP_UTF8, 0, src, length, out.data(), size, nullptr, nullptr) != size)
    return {};
  return out;
}

std::u16string Utf8ToWide(std::string_view text) {
  if (text.empty() || text.size() > static_cast<size_t>(INT_MAX)) return {};
  int length = static_cast<int>(text.size());
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::u16string out(static_cast<size_t>(size), u'\0');
  if (MultiByteToWideChar(CP_UTF8, 0, text.data(), length, reinterpret_cast<LPWSTR>(out.data()),
                          size) != size)
    return {};
  return out;
}

bool RoundTripsThroughUtf8(std::u16string_view text) {
  if (text.size() > static_cast<size_t>(INT_MAX)) return false;
  bool highBefore = false;  // the unit before is a high surrogate
  for (char16_t unit : text) {
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (highBefore != low) return false;
    highBefore = high;
  }
  return !highBefore;
}
