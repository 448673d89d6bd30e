#pragma once

#include "Platform.h"

// The GUIDs under which the text service preserves its two hot keys with
// TSF: Ctrl+Space (keyboard on and off) and Ctrl+Shift+C (suggestion bar on
// and off). Fixed for all builds: TSF and other components know the keys by
// them.
extern const GUID GUID_PreservedKey_OpenClose;
extern const GUID GUID_PreservedKey_CandidateWindow;
