#include "ole32/GuidText.h"

namespace platform {

namespace {

void AppendHex(std::u16string& text, uint64_t value, int digits) {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) text += kHex[(value >> shift) & 15];
}

}  // namespace

bool ReadHexDigits(std::u16string_view text, size_t at, int digits, uint64_t& value) {
  value = 0;
  if (at > text.size() || text.size() - at < static_cast<size_t>(digits)) return false;
  for (int i = 0; i < digits; ++i) {
    char16_t c = text[at + i];
    int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                : c >= u'A' && c <= u'F' ? c - u'A' + 10
                : c >= u'a' && c <= u'f' ? c - u'a' + 10
                                         : -1;
    if (digit < 0) return false;
    value = value * 16 + static_cast<uint64_t>(digit);
  }
  return true;
}

bool GuidFromText(std::u16string_view text, GUID& guid) {
  if (text.size() != 38 || text[0] != u'{' || text[37] != u'}' || text[9] != u'-' ||
      text[14] != u'-' || text[19] != u'-' || text[24] != u'-')
    return false;
  uint64_t value = 0;
  if (!ReadHexDigits(text, 1, 8, value)) return false;
  guid.Data1 = static_cast<DWORD>(value);
  if (!ReadHexDigits(text, 10, 4, value)) return false;
  guid.Data2 = static_cast<WORD>(value);
  if (!ReadHexDigits(text, 15, 4, value)) return false;
  guid.Data3 = static_cast<WORD>(value);
  static const size_t kByteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    if (!ReadHexDigits(text, kByteAt[i], 2, value)) return false;
    guid.Data4[i] = static_cast<BYTE>(value);
  }
  return true;
}

std::u16string GuidText(REFGUID guid) {
  std::u16string text = u"{";
  AppendHex(text, guid.Data1, 8);
  text += u'-';
  AppendHex(text, guid.Data2, 4);
  text += u'-';
  AppendHex(text, guid.Data3, 4);
  text += u'-';
  for (int i = 0; i < 8; ++i) {
    if (i == 2) text += u'-';
    AppendHex(text, guid.Data4[i], 2);
  }
  text += u'}';
  return text;
}

}  // namespace platform
