#include "service/module/GuidToRegistryText.h"

#include "service/module/TextServiceGuids.h"

namespace {

WCHAR* AppendHex(WCHAR* out, unsigned long long value, int digits) {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
    *out++ = static_cast<WCHAR>(kHex[(value >> shift) & 15]);
  return out;
}

}  // namespace

BOOL GuidToRegistryText(WCHAR* buffer) {
  const GUID& guid = CLSID_TextService;
  WCHAR* out = buffer;
  *out++ = '{';
  out = AppendHex(out, guid.Data1, 8);
  *out++ = '-';
  out = AppendHex(out, guid.Data2, 4);
  *out++ = '-';
  out = AppendHex(out, guid.Data3, 4);
  *out++ = '-';
  for (int i = 0; i < 8; ++i) {
    if (i == 2) *out++ = '-';
    out = AppendHex(out, guid.Data4[i], 2);
  }
  *out++ = '}';
  *out = 0;
  return TRUE;
}
