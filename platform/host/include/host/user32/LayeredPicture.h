// The picture a layered window last handed to UpdateLayeredWindow.
#pragma once

#include <optional>
#include <string>

#include "Platform.h"
#include "host/gdi32/Picture.h"

namespace host {

struct LayeredPicture {
  Picture picture;         // premultiplied ARGB, as handed over
  RECT rect{};             // where the window is now (screen coordinates)
  BLENDFUNCTION blend{};   // zero unless ULW_ALPHA
  COLORREF key = 0;        // the colour key with ULW_COLORKEY
  DWORD flags = 0;
  int updates = 0;         // UpdateLayeredWindow calls that changed the picture
};

// Nothing for a window that is not there or was never updated.
std::optional<LayeredPicture> LayeredPictureOf(HWND window);
// False when there is no picture or the file cannot be written.
bool WriteLayeredPicturePng(HWND window, const std::string& path);

}  // namespace host
