#pragma once

#include "Platform.h"

// Writes CLSID_TextService as the registry spells class keys,
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, and a NUL into a
// buffer of at least 39 units. Always TRUE.
BOOL GuidToRegistryText(WCHAR* buffer);
