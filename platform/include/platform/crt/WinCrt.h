// The C runtime's bounds-checked string and file calls that our code uses
// (the "_s" forms, which the host's C library does not have). The process
// runs in the runtime's default "C" locale, whose narrow form of a UTF-16
// unit up to 0xFF is that one byte; any other unit cannot be narrowed. The
// file calls read a narrow path the same way: one on drive C: lives under
// the system root (platform/SystemRoot.h), any other is a host path.
#pragma once

#include <cerrno>
#include <cstdarg>
#include <cstddef>
#include <cstdio>

#include "platform/base/WinTypes.h"

typedef int errno_t;

#define _TRUNCATE ((size_t)-1)
#define STRUNCATE 80

// Converts src up to its NUL, or up to count bytes (not counting the NUL;
// _TRUNCATE: as many as fit), into dest of destBytes bytes, always
// NUL-terminated. *converted gets the bytes written with the NUL. Results:
// 0; STRUNCATE when _TRUNCATE cut the text; ERANGE when it does not fit
// (dest emptied); EILSEQ for a unit the locale cannot narrow (dest emptied,
// *converted 0); EINVAL for bad arguments. With dest null and destBytes 0,
// *converted gets the size the whole text needs.
errno_t wcstombs_s(size_t* converted, char* dest, size_t destBytes, const WCHAR* src,
                   size_t count);

// Opens a file as fopen does; *file is null and the result the error number
// on failure, 0 on success. mode: r, w or a, then any of + b t. Without "b"
// the file is in text mode, as the runtime's default is: opened only for
// reading ("r", "rt"), CR LF reads as LF and a byte 0x1A ends the input.
// Text written in text mode is not translated here.
errno_t fopen_s(std::FILE** file, const char* path, const char* mode);

// fopen_s by a UTF-16 path and mode: a path on drive C: lives under the
// system root, any other is a host path (its UTF-8 form). Failure switch
// "_wfopen_s" (EACCES, as for a file the user may not read).
errno_t _wfopen_s(std::FILE** file, const WCHAR* path, const WCHAR* mode);

// The bounded wide formatters, with the Microsoft runtime's conversions for
// wide functions: %s, %ls and %ws take a UTF-16 string and %hs and %S a
// narrow one (a null pointer prints "(null)"); %c and %lc a UTF-16 unit, %hc
// and %C a narrow character; d i u o x X with the h, hh, l, ll, I32, I64, I
// and z sizes; e E f F g G a A; p (the pointer in upper-case hex digits,
// two per byte); %% . Flags, width and precision (also as *) as printf.
// At most count units (_TRUNCATE: as many as fit) are written into a
// buffer of sizeInWords units, always NUL-terminated. Result: the units
// written without the NUL, or -1 when the text was cut (by count or, with
// _TRUNCATE, by the buffer); a text that outgrows the buffer without
// _TRUNCATE leaves it empty and gives -1 (errno ERANGE), and bad arguments
// give -1 (errno EINVAL), where Windows would call the invalid-parameter
// handler. An unknown conversion is written as it stands.
int _vsnwprintf_s(WCHAR* buffer, size_t sizeInWords, size_t count, const WCHAR* format,
                  va_list args);
int _snwprintf_s(WCHAR* buffer, size_t sizeInWords, size_t count, const WCHAR* format, ...);
