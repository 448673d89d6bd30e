#pragma once

#include "Platform.h"

// Paints control 1004 of the settings dialog: a small candidate window in
// the colours of the theme selected in combo box 1001, with four
// suggestions, the third one selected; nothing without a selection.
void DrawPreview(const DRAWITEMSTRUCT* item);
