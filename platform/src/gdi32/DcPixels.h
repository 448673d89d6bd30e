// Inside the stand-in only: the pixels of the bitmap selected into a memory
// DC, for the calls that read a picture off a DC (UpdateLayeredWindow, the
// host's picture reader) and for GDI+, which draws into them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "Platform.h"

namespace platform {

struct DcPixels {
  int width = 0;
  int height = 0;
  // The row shown at the top, and the bytes from one row to the row shown
  // below it (negative for a bottom-up DIB). Each pixel is 4 bytes of
  // premultiplied alpha in memory order B, G, R, A: what
  // UpdateLayeredWindow with AC_SRC_ALPHA expects and what cairo's
  // CAIRO_FORMAT_ARGB32 is on a little-endian host.
  uint8_t* topRow = nullptr;
  ptrdiff_t rowStep = 0;
  // Keeps the pixel memory alive while the holder reads it, even if the
  // bitmap is deleted meanwhile.
  std::shared_ptr<void> keepAlive;
};

// False when dc is not a DC or holds no 32-bit DIB section (a new memory
// DC's 1 x 1 monochrome bitmap, a display DC).
bool SelectedBitmapPixels(HDC dc, DcPixels* out);

}  // namespace platform
