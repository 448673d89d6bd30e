// The "RichEdit20W" class's window procedure and what the host reads back
// (platform/riched20/RichEdit.h, host/riched20/RichEdit.h).
#pragma once

#include "Platform.h"

namespace riched20 {

LRESULT CALLBACK RichEditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace riched20
