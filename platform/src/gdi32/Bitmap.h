// A GDI bitmap: a DIB section (32 bits a pixel, pixel memory that the caller
// and GDI+ write) or the 1 x 1 monochrome bitmap that a new memory DC holds,
// which has no pixel memory here.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gdi32/GdiObject.h"

namespace platform {

class Bitmap : public GdiObject {
 public:
  // A zero-filled 32-bit DIB section; height < 0 is top-down as in
  // BITMAPINFOHEADER.
  static std::shared_ptr<Bitmap> NewDibSection(LONG width, LONG height);
  static std::shared_ptr<Bitmap> NewMonochrome();

  DWORD Type() const override { return OBJ_BITMAP; }
  std::string Describe() const override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool TopDown() const { return topDown_; }
  // Bytes a row, rows in memory order (the bottom row first unless top-down).
  int Stride() const { return width_ * 4; }
  uint8_t* Bits() { return pixels_.empty() ? nullptr : pixels_.data(); }
  // The row shown at the top, and the step to the row below it.
  uint8_t* TopRow();
  ptrdiff_t DownStep() const { return topDown_ ? Stride() : -Stride(); }

 private:
  int width_ = 1;
  int height_ = 1;
  int bitsPerPixel_ = 1;
  bool topDown_ = false;
  std::vector<uint8_t> pixels_;
};

}  // namespace platform
