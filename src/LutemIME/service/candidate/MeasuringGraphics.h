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

  // The same width on any graphics that already has the rows' hint set.
  static bool TextWidthOn(Gdiplus::GpGraphics* graphics, const Gdiplus::GpFont* font,
                          const WCHAR* text, INT length, float* width);

  // How many of length units of text are enough to show it in limit pixels:
  // all of them when they fit, else a prefix wider than limit by a few
  // letters, so that the cut, its ellipsis and any width capped at limit are
  // those of the whole text. Laying out only that much keeps a key's cost
  // from growing with a composition of thousands of characters.
  static INT VisibleLength(Gdiplus::GpGraphics* graphics, const Gdiplus::GpFont* font,
                           const WCHAR* text, INT length, float limit);

  // VisibleLength on this graphics, with the rows' hint.
  INT VisibleLength(const Gdiplus::GpFont* font, const WCHAR* text, INT length,
                    float limit) const;

 private:
  HWND window;
  HDC dc = nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;
};
