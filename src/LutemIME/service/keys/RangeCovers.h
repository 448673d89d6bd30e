#pragma once

#include "Platform.h"

// Whether cover holds all of test: cover starts at or before test's start
// and ends at or after its end. FALSE when either comparison fails.
BOOL RangeCovers(TfEditCookie editCookie, ITfRange* test, ITfRange* cover);
