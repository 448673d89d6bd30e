// WCHAR is char16_t on the stand-in and wchar_t (also 16 bits, the same
// UTF-16 units) on Windows. The engines keep UTF-16 as char16_t; text that
// crosses to or from a WCHAR pointer goes through these, which are plain
// pointer casts there and no-ops here.
#pragma once

inline const char16_t* AsChar16(const WCHAR* text) {
  return reinterpret_cast<const char16_t*>(text);
}
inline char16_t* AsChar16(WCHAR* text) { return reinterpret_cast<char16_t*>(text); }
inline const WCHAR* AsWchar(const char16_t* text) { return reinterpret_cast<const WCHAR*>(text); }
inline WCHAR* AsWchar(char16_t* text) { return reinterpret_cast<WCHAR*>(text); }

static_assert(sizeof(WCHAR) == sizeof(char16_t), "WCHAR holds one UTF-16 unit");
