// Code-page conversions. Only CP_UTF8 with no flags is provided; it behaves as
// on Windows: a zero output size asks for the size, a length of -1 takes the
// input up to and including its NUL, and ill-formed input (a lone surrogate,
// invalid UTF-8) becomes U+FFFD.
#pragma once

#include "platform/base/WinTypes.h"

#define CP_ACP 0
#define CP_UTF8 65001

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multi,
                        int multiSize, LPCSTR defaultChar, LPBOOL usedDefaultChar);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multi, int multiLength, LPWSTR wide,
                        int wideSize);
