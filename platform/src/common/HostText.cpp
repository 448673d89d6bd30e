#include "common/HostText.h"

namespace platform {

std::string Utf8FromWide(std::u16string_view text) {
  if (text.empty()) return {};
  int length = static_cast<int>(text.size());
  int size = WideCharToMultiByte(CP_UTF8, 0, AsWchar(text.data()), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, AsWchar(text.data()), length, out.data(), size, nullptr, nullptr);
  return out;
}

std::u16string WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  int length = static_cast<int>(text.size());
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::u16string out(static_cast<size_t>(size), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, AsWchar(out.data()), size);
  return out;
}

size_t WideLength(LPCWSTR text) {
  size_t n = 0;
  if (text != nullptr)
    while (text[n] != 0) ++n;
  return n;
}

std::u16string FoldCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return out;
}

std::string FileNameForObject(std::u16string_view name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string file;
  for (unsigned char c : Utf8FromWide(FoldCase(name))) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '.' || c == '_' || c == '-';
    if (plain) {
      file += static_cast<char>(c);
    } else {
      file += '%';
      file += kHex[c >> 4];
      file += kHex[c & 15];
    }
  }
  return file;
}

}  // namespace platform
