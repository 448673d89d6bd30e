#pragma once

#include "Platform.h"

// A GDI+ graphics on a window's display DC (the screen's for a null window),
// for measuring text as it will be drawn: font heights and string widths.
// get() is null when the DC or the graphics could not be had; the
// measurements then report failure and the callers keep what they had.
class MeasuringGraphics {
 public:
  explicit MeasuringGraphics(HWND window);
  ~MeasuringGraphics();
  MeasuringGraphics(const MeasuringGraphics&) = delete;
  MeasuringGraphics& operator=(const MeasuringGraphics&) = delete;

  Gdiplus::GpGraphics* get() const { return graphics; }

  // The width of length units of text in font (no layout box, no string
  // format) with the hint the rows are drawn with, which stays set on the
  // graphics; false when it could not be measured.
  bool TextWidth(const Gdiplus::GpFont* font, const WCHAR* text, INT length, float* width) const;

 private:
  HWND window;
  HDC dc = nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;
};
