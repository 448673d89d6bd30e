// What the desktop's programs asked of the common controls library.
#pragma once

#include "Platform.h"

namespace host {

// The ICC_ flags of every successful InitCommonControlsEx since the last
// ClearCommonControls, joined.
DWORD CommonControlClassesAskedFor();
void ClearCommonControls();

}  // namespace host
