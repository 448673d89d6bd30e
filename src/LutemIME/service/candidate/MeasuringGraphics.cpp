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
  return TextWidthOn(graphics, font, text, length, width);
}

bool MeasuringGraphics::TextWidthOn(GpGraphics* graphics, const GpFont* font, const WCHAR* text,
                                    INT length, float* width) {
  if (graphics == nullptr || font == nullptr || text == nullptr || length <= 0) return false;
  const RectF layout;
  RectF box;
  if (GdipMeasureString(graphics, text, length, font, &layout, nullptr, &box, nullptr, nullptr) !=
      Ok)
    return false;
  *width = box.Width;
  return true;
}

INT MeasuringGraphics::VisibleLength(const GpFont* font, const WCHAR* text, INT length,
                                     float limit) const {
  if (graphics == nullptr) return length;
  GdipSetTextRenderingHint(graphics, kCandidateTextHint);
  return VisibleLength(graphics, font, text, length, limit);
}

INT MeasuringGraphics::VisibleLength(GpGraphics* graphics, const GpFont* font, const WCHAR* text,
                                     INT length, float limit) {
  // Shaping joins letters only within a cluster of a few units, so a prefix
  // that overflows by several letters draws its visible part as the whole
  // text does.
  constexpr INT kFirstPrefix = 256;
  constexpr float kOverflowLetters = 8;
  if (length <= kFirstPrefix || !(limit > 0)) return length;
  REAL letter = 0;
  if (GdipGetFontHeight(font, graphics, &letter) != Ok || !(letter > 0)) return length;
  for (INT units = kFirstPrefix; units < length;) {
    INT cut = units;
    // Never between the halves of a surrogate pair.
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) ++cut;
    float width = 0;
    if (!TextWidthOn(graphics, font, text, cut, &width)) return length;
    if (width >= limit + kOverflowLetters * letter) return cut;
    units = units > length / 2 ? length : 2 * units;
  }
  return length;
}
