// Configuring what GetSysColor answers, as a user's colour scheme would.
#pragma once

#include "Platform.h"

namespace host {

// Until ResetSystemColors or ResetDesktop.
void SetSystemColor(int index, COLORREF color);
void ResetSystemColors();

}  // namespace host
