// Path strings (shlwapi.h's share, after the documentation of
// PathRemoveFileSpecW, PathAppendW and PathCanonicalizeW). Paths are
// Windows paths: only the backslash separates their parts. Both work in
// place on a buffer of MAX_PATH units.
// - PathRemoveFileSpecW drops the last part and its backslash, keeping the
//   root's backslash ("C:\dir\file" gives "C:\dir", "C:\file" gives "C:\",
//   "\file" gives "\", "file" gives "", "C:file" gives "C:",
//   "\\server\share\file" gives "\\server\share"); TRUE when something was
//   removed.
// - PathAppendW joins the two with exactly one backslash (leading
//   backslashes of the second are dropped); a second path that names a
//   drive or a server replaces the first. The result is canonicalised ("."
//   parts dropped, ".." removes the part before it, never the root).
//   FALSE, the buffer unchanged, for a null argument or a result of
//   MAX_PATH units or more.
#pragma once

#include "platform/base/WinTypes.h"

BOOL PathRemoveFileSpecW(LPWSTR path);
BOOL PathAppendW(LPWSTR path, LPCWSTR more);
