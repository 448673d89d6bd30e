// The focus window of any thread (FocusApi.cpp), for the host.
#pragma once

#include "Platform.h"

namespace platform {

HWND FocusOfThread(DWORD threadId);

}  // namespace platform
