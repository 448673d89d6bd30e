#include <climits>
#include <cstddef>

#include <utf8.h>

#include "Platform.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The scalar value at wide[i] (advancing past it); a lone surrogate is
// U+FFFD, as Windows writes it.
char32_t NextScalar(const WCHAR* wide, size_t n, size_t& i) {
  char32_t u = wide[i++];
  if (IsHighSurrogate(u)) {
    if (i < n && IsLowSurrogate(wide[i]))
      return 0x10000 + ((u - 0xD800) << 10) + (wide[i++] - 0xDC00);
    return kReplacement;
  }
  return IsLowSurrogate(u) ? kReplacement : u;
}

size_t Utf8Length(char32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4; }

// cp is always a scalar value here: surrogates were paired or replaced.
char* PutUtf8(char* out, char32_t cp) {
  return utf8::unchecked::append(static_cast<uint32_t>(cp), out);
}

WCHAR* PutUtf16(WCHAR* out, char32_t cp) {
  if (cp < 0x10000) {
    *out++ = static_cast<WCHAR>(cp);
  } else {
    cp -= 0x10000;
    *out++ = static_cast<WCHAR>(0xD800 + (cp >> 10));
    *out++ = static_cast<WCHAR>(0xDC00 + (cp & 0x3FF));
  }
  return out;
}

// Decodes one UTF-8 character at in[i]; an ill-formed sequence yields U+FFFD
// for its maximal valid prefix (at least one byte), as Windows does.
inline char32_t DecodeUtf8(const unsigned char* in, size_t n, size_t& i) {
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

// A result longer than an int can count.
bool TooLong(size_t needed) {
  if (needed <= static_cast<size_t>(INT_MAX)) return false;
  SetLastError(ERROR_INVALID_PARAMETER);
  return true;
}

int BufferTooSmall() {
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return 0;
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
  // A size query only counts and a conversion writes straight into the
  // caller's buffer, one pass each: a long composition is converted at
  // every key, and a copy per byte showed.
  if (multiSize == 0) {
    size_t needed = 0;
    for (size_t i = 0; i < n;) needed += Utf8Length(NextScalar(wide, n, i));
    return TooLong(needed) ? 0 : static_cast<int>(needed);
  }
  const size_t capacity = static_cast<size_t>(multiSize);
  size_t written = 0;
  for (size_t i = 0; i < n;) {
    const char32_t cp = NextScalar(wide, n, i);
    if (written + Utf8Length(cp) > capacity) return BufferTooSmall();
    written = static_cast<size_t>(PutUtf8(multi + written, cp) - multi);
  }
  return static_cast<int>(written);
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
  if (wideSize == 0) {
    size_t needed = 0;
    for (size_t i = 0; i < n;) needed += DecodeUtf8(in, n, i) < 0x10000 ? 1 : 2;
    return TooLong(needed) ? 0 : static_cast<int>(needed);
  }
  const size_t capacity = static_cast<size_t>(wideSize);
  size_t written = 0;
  for (size_t i = 0; i < n;) {
    const char32_t cp = DecodeUtf8(in, n, i);
    if (written + (cp < 0x10000 ? 1 : 2) > capacity) return BufferTooSmall();
    written = static_cast<size_t>(PutUtf16(wide + written, cp) - wide);
  }
  return static_cast<int>(written);
}
