#pragma once

#include "Platform.h"

// The input method's debug log. Log sites keep their printf-style formats and
// arguments, but the shipped input method writes nothing: it runs inside
// every application and has nowhere of its own to write.
void DebugLogW(const WCHAR* format, ...);
void DebugLogA(const char* format, ...);
