#pragma once

#include "Platform.h"

// The input method's own GUIDs. Changing one orphans every installation
// registered under the old value.

// The COM class of the text service, and its item in the TSF categories.
extern const CLSID CLSID_TextService;
// The keyboard profile the text service registers for Bengali (Bangladesh).
extern const GUID GUID_KeyboardProfile;
// The display attributes of composed text before and after conversion.
extern const GUID GUID_DisplayAttributeInput;
extern const GUID GUID_DisplayAttributeConverted;
