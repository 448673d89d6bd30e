#include <climits>
#include <iterator>
#include <string>

#include <utf8.h>

#include "Platform.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// cp is always a scalar value here: surrogates were paired or replaced.
void AppendUtf8(std::string& out, char32_t cp) {
  utf8::unchecked::append(static_cast<uint32_t>(cp), std::back_inserter(out));
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

// Decodes one UTF-8 character at in[i]; an ill-formed sequence yields U+FFFD
// for its maximal valid prefix (at least one byte), as Windows does.
char32_t DecodeUtf8(const unsigned char* in, size_t n, size_t& i) {
  unsigned char lead = in[i++];
  if (lead < 0x80) return lead;
  int trail;
  unsigned char lo = 0x80, hi = 0xBF;
  char32_t cp;
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail = 1;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail = 2;
    cp = lead & 0x0F;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail = 3;
    cp = lead & 0x07;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < trail; ++k) {
    if (i >= n || in[i] < lo || in[i] > hi) return kReplacement;
    cp = (cp << 6) | (in[i++] & 0x3F);
    lo = 0x80;
    hi = 0xBF;
  }
  return cp;
}

bool CheckCommon(UINT codePage, DWORD flags, const void* in, int inLength, const void* out,
                 int outSize) {
  if (codePage != CP_UTF8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (flags != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return false;
  }
  if (in == nullptr || inLength == 0 || inLength < -1 || outSize < 0 ||
      (outSize > 0 && out == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

// Copies a finished conversion out under the size-query rules shared by both calls.
template <typename Unit, typename Str>
int Deliver(const Str& result, Unit* out, int outSize) {
  if (result.size() > static_cast<size_t>(INT_MAX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  int needed = static_cast<int>(result.size());
  if (outSize == 0) return needed;
  if (needed > outSize) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  for (int k = 0; k < needed; ++k) out[k] = static_cast<Unit>(result[k]);
  return needed;
}

}  // namespace

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multi,
                        int multiSize, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
  if (!CheckCommon(codePage, flags, wide, wideLength, multi, multiSize)) return 0;
  if (defaultChar != nullptr || usedDefaultChar != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  size_t n = 0;
  if (wideLength == -1) {
    while (wide[n] != 0) ++n;
    ++n;  // the NUL is converted too
  } else {
    n = static_cast<size_t>(wideLength);
  }
  std::string out;
  out.reserve(n * 3);
  for (size_t i = 0; i < n; ++i) {
    char32_t u = wide[i];
    if (IsHighSurrogate(u)) {
      if (i + 1 < n && IsLowSurrogate(wide[i + 1])) {
        u = 0x10000 + ((u - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
        ++i;
      } else {
        u = kReplacement;
      }
    } else if (IsLowSurrogate(u)) {
      u = kReplacement;
    }
    AppendUtf8(out, u);
  }
  return Deliver(out, multi, multiSize);
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multi, int multiLength, LPWSTR wide,
                        int wideSize) {
  if (!CheckCommon(codePage, flags, multi, multiLength, wide, wideSize)) return 0;
  const auto* in = reinterpret_cast<const unsigned char*>(multi);
  size_t n = 0;
  if (multiLength == -1) {
    while (in[n] != 0) ++n;
    ++n;
  } else {
    n = static_cast<size_t>(multiLength);
  }
  std::u16string out;
  out.reserve(n);
  for (size_t i = 0; i < n;) AppendUtf16(out, DecodeUtf8(in, n, i));
  return Deliver(out, wide, wideSize);
}
