// A GDI+ graphics object: cairo drawing into the 32-bit DIB section that was
// selected into the DC when the graphics was made (as GDI+ does, it keeps
// drawing there even if the DC selects another bitmap later), or into a
// scratch pixel when the DC has none.
#pragma once

#include <cairo.h>

#include "Platform.h"
#include "gdi32/DcPixels.h"

namespace platform {

class Graphics : public Gdiplus::GpGraphics {
 public:
  using Public = Gdiplus::GpGraphics;
  static constexpr const char* kKind = "graphics";

  // Throws std::bad_alloc when cairo cannot make its surface.
  explicit Graphics(HDC dc);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  // The cairo context set up for one drawing call: the pixel offset, the
  // antialiasing of the smoothing mode, the over operator. Pair with End.
  cairo_t* Begin();
  void End();

  // The drawing surface in world units: (0, 0, width, height); empty
  // without a bitmap.
  Gdiplus::RectF Bounds() const;
  int Dpi() const { return 96; }

  Gdiplus::SmoothingMode smoothing = Gdiplus::SmoothingModeDefault;
  Gdiplus::PixelOffsetMode pixelOffset = Gdiplus::PixelOffsetModeDefault;
  Gdiplus::TextRenderingHint textHint = Gdiplus::TextRenderingHintSystemDefault;
  Gdiplus::CompositingQuality compositing = Gdiplus::CompositingQualityDefault;
  Gdiplus::InterpolationMode interpolation = Gdiplus::InterpolationModeDefault;

 private:
  DcPixels pixels_;
  bool hasBitmap_ = false;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cairo_ = nullptr;
};

}  // namespace platform
