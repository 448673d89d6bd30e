// One paint of a candidate-window-sized picture on the stand-in's GDI+: the
// panel, seven rows of a number and a Bengali word, a highlight, two page
// dots and the border, into a fresh DIB section each time, as a paint does.
// Measured with the call record off, as a long typing session would run it.
#include <benchmark/benchmark.h>

#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void RoundedRect(GpPath* path, REAL x, REAL y, REAL w, REAL h, REAL r) {
  REAL d = 2 * r;
  GdipResetPath(path);
  GdipAddPathArc(path, x, y, d, d, 180, 90);
  GdipAddPathArc(path, x + w - d, y, d, d, 270, 90);
  GdipAddPathArc(path, x + w - d, y + h - d, d, d, 0, 90);
  GdipAddPathArc(path, x, y + h - d, d, d, 90, 90);
  GdipClosePathFigure(path);
}

void BM_PaintCandidatePicture(benchmark::State& state) {
  host::RecordGdiplusCalls(false);
  GdiplusStartupInput input;
  ULONG_PTR token = 0;
  GdiplusStartup(&token, &input, nullptr);
  GpFontFamily* family = nullptr;
  GdipGetGenericFontFamilySansSerif(&family);
  GpFont* font = nullptr;
  GdipCreateFont(family, 16, FontStyleBold, UnitPixel, &font);
  GpSolidFill *panel, *text, *highlight, *bar;
  GdipCreateSolidFill(0xFFF2F2F7, &panel);
  GdipCreateSolidFill(0xFF000000, &text);
  GdipCreateSolidFill(0xFF007AFF, &highlight);
  GdipCreateSolidFill(0xFFE87A56, &bar);
  GpPen* border = nullptr;
  GdipCreatePen1(0xFFD1D1D6, 1.6f, UnitWorld, &border);
  const WCHAR* words[] = {u"\u0986\u09AE\u09BF", u"ami", u"\u0986\u09AE\u09BE\u09B0",
                          u"\u0986\u09AE\u09BE\u09A6\u09C7\u09B0", u"\u0995\u09CD\u09B7\u09AE\u09BE",
                          u"\u09AC\u09BE\u0982\u09B2\u09BE", u"\u0986\u09AE\u09BF\u0993"};
  const WCHAR* labels[] = {u"1", u"2", u"3", u"4", u"5", u"6", u"7"};
  const int width = 200, row = 29, height = 7 * row + 10;
  for (auto _ : state) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(dc, &graphics);
    GdipSetPixelOffsetMode(graphics, PixelOffsetModeHighQuality);
    GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
    GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAliasGridFit);
    GdipGraphicsClear(graphics, 0);
    GpPath* path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    RoundedRect(path, 0, 0, width, height, 9);
    GdipFillPath(graphics, panel, path);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, 0, &format);
    GdipSetStringFormatLineAlign(format, StringAlignmentCenter);
    GdipSetStringFormatTrimming(format, StringTrimmingEllipsisCharacter);
    for (int r = 0; r < 7; ++r) {
      REAL y = 2.0f + r * row;
      if (r == 2) {
        RoundedRect(path, 5, y + 2, width - 10, row - 4, 4);
        GdipFillPath(graphics, highlight, path);
        GdipFillRectangle(graphics, bar, 5, y + 10, 3, row - 20);
      }
      RectF labelBox(10, y, 15, row), textBox(30, y, width - 35, row);
      GdipDrawString(graphics, labels[r], -1, font, &labelBox, format, text);
      GdipDrawString(graphics, words[r], -1, font, &textBox, format, text);
    }
    GdipFillEllipse(graphics, bar, width - 19, height / 2 - 10, 8, 8);
    GdipFillEllipse(graphics, text, width - 17.5f, height / 2 + 3.5f, 5, 5);
    RoundedRect(path, 0.3f, 0.3f, width - 1.6f, height - 1.6f, 9);
    GdipDrawPath(graphics, border, path);
    GdipDeleteStringFormat(format);
    GdipDeletePath(path);
    GdipDeleteGraphics(graphics);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
  GdipDeletePen(border);
  GdipDeleteBrush(panel);
  GdipDeleteBrush(text);
  GdipDeleteBrush(highlight);
  GdipDeleteBrush(bar);
  GdipDeleteFont(font);
  GdiplusShutdown(token);
  host::RecordGdiplusCalls(true);
}
BENCHMARK(BM_PaintCandidatePicture)->Unit(benchmark::kMicrosecond);

}  // namespace
