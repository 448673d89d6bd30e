#pragma once

#include "Platform.h"

// A new[] copy of a NUL-terminated text, NUL included; null when there is
// no memory for it.
WCHAR* NewWideCopy(const WCHAR* text);
