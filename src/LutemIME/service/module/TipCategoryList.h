#pragma once

#include "Platform.h"

// The TSF categories the text service registers in, in registration order:
// keyboard, display-attribute provider, and the capabilities UI elements,
// secure mode, COM-less, input-mode compartment, immersive and system-tray
// support.
constexpr int kTipCategoryCount = 8;
extern const GUID TipCategoryList[kTipCategoryCount];
