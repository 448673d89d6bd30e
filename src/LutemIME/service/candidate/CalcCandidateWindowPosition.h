#pragma once

#include "Platform.h"

// Where the candidate window's top-left corner goes, in screen coordinates:
// below the text when it fits there inside the work area, above it when it
// fits only there; a box that overflows only at the left or only at the right
// is pushed in at that edge. When neither box fits, the classes of the box
// below the text decide against the work area's edges; a side on which it
// does not overflow keeps its place next to the text.
//
// A window wider or taller than the work area cannot fit anywhere: its
// top-left corner is kept inside the work area, so the first rows and their
// labels stay on the screen rather than the window being shown far from the
// text with its start cut off.
//
// textExtent is the composition's rectangle, windowRect the window's client
// rectangle (only its size and offset count). FALSE for a null topLeft.
BOOL CalcCandidateWindowPosition(const RECT& textExtent, const RECT& workArea,
                                 const RECT& windowRect, POINT* topLeft);
