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

// The size-query rules shared by both calls, for a result of needed units:
// the count for a query, 0 for a buffer too small, else -1 (convert).
int CheckOutput(size_t needed, int outSize) {
  if (needed > static_cast<size_t>(INT_MAX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (outSize == 0) return static_cast<int>(needed);
  if (needed > static_cast<size_t>(outSize)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return -1;
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
  // Measured first and written straight into the caller's buffer: a long
  // composition is converted at every key, and a copy per byte showed.
  size_t needed = 0;
  for (size_t i = 0; i < n;) needed += Utf8Length(NextScalar(wide, n, i));
  int early = CheckOutput(needed, multiSize);
  if (early >= 0) return early;
  char* out = multi;
  for (size_t i = 0; i < n;) out = PutUtf8(out, NextScalar(wide, n, i));
  return static_cast<int>(needed);
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
  size_t needed = 0;
  for (size_t i = 0; i < n;) needed += DecodeUtf8(in, n, i) < 0x10000 ? 1 : 2;
  int early = CheckOutput(needed, wideSize);
  if (early >= 0) return early;
  WCHAR* out = wide;
  for (size_t i = 0; i < n;) out = PutUtf16(out, DecodeUtf8(in, n, i));
  return static_cast<int>(needed);
}
