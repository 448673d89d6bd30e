#pragma once

#include "Platform.h"

// The module's instance handle, kept by the process attach: windows of the
// module's own classes are created with it, and its resources are found
// through it.
extern HINSTANCE DllInstance;
