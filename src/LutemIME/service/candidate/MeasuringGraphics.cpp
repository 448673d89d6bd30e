#include "service/candidate/MeasuringGraphics.h"

#include "service/candidate/CandidatePainter.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

MeasuringGraphics::MeasuringGraphics(HWND window) : window(window) {
  dc = GetDC(window);
  if (dc != nullptr && GdipCreateFromHDC(dc, &graphics) != Ok) graphics = nullptr;
}

MeasuringGraphics::~MeasuringGraphics() {
  if (graphics != nullptr) GdipDeleteGraphics(graphics);
  if (dc != nullptr) ReleaseDC(window, dc);
}

bool MeasuringGraphics::TextWidth(const GpFont* font, const WCHAR* text, INT length,
                                  float* width) const {
  if (graphics == nullptr || font == nullptr || text == nullptr || length <= 0) return false;
  // Measured as drawn: a width taken with another hint cuts the drawn text.
  // Only widths: the font's height is the DC's, as it always was.
  GdipSetTextRenderingHint(graphics, kCandidateTextHint);
  const RectF layout;
  RectF box;
  if (GdipMeasureString(graphics, text, length, font, &layout, nullptr, &box, nullptr, nullptr) !=
      Ok)
    return false;
  *width = box.Width;
  return true;
}
