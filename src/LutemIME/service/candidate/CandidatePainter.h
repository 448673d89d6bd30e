#pragma once

#include "Platform.h"
#include "common/ThemeColors.h"
#include "service/candidate/GdiplusHandles.h"
#include "suggest/CCandidateListItem.h"
#include "suggest/LutemIMEArray.h"

// How the rows' text is rendered; text is measured the same way, since the
// hint changes the advance widths.
constexpr Gdiplus::TextRenderingHint kCandidateTextHint = Gdiplus::TextRenderingHintAntiAliasGridFit;

// One page of the candidate list as the rows to draw.
struct CandidateRows {
  const LutemIMEArray<CCandidateListItem>* items = nullptr;
  const LutemIMEArray<unsigned long>* labels = nullptr;  // one per row; null draws no labels
  UINT rowCount = 0;   // the page size: rows run while below it and items remain
  UINT first = 0;      // the item on the first row
  UINT selection = 0;  // the item drawn highlighted
  UINT itemHeight = 0;
  const Gdiplus::GpFont* font = nullptr;
  // Every candidate laid out whole, however long, rather than only as much
  // as its box can show: the same picture, at a cost that grows with it.
  bool wholeText = false;
};

// Draws the candidate window's picture with GDI+ on a DC holding a 32-bit
// bitmap of width x height: the panel, the rows, the page dots and the
// border. Sizes scale with the window's DPI (scale = dpi / 96), except the
// panel's corner radius. GDI+ failures leave that part undrawn.
class CandidatePainter {
 public:
  // Starts with a fully transparent picture, drawn antialiased.
  CandidatePainter(HDC dc, int width, int height, float scale, const ThemeColors& colors);
  CandidatePainter(const CandidatePainter&) = delete;
  CandidatePainter& operator=(const CandidatePainter&) = delete;

  // The rounded panel in the window background's brush.
  void FillPanel(Gdiplus::GpBrush* background);
  // Each row: the selected one's highlight and bar, its label and its text
  // (cut with an ellipsis when it does not fit).
  void DrawItems(const CandidateRows& rows);
  // A column of dots at the right edge, centred, one per page, when there
  // are two pages or more; the current page's larger, in the bar's colour.
  void DrawPageDots(UINT pages, UINT current);
  // The outline, inside the picture's visible bounds.
  void DrawBorder();
  // Whether every part drawn so far was drawn: no GDI+ call failed.
  bool Complete() const { return complete; }

  // A rectangle with corners of radius r (a plain rectangle for r = 0) as
  // one closed figure; the path is reset first.
  static void AddRoundedRectPath(Gdiplus::GpPath* path, float x, float y, float w, float h,
                                 float r);

 private:
  void FillRounded(Gdiplus::GpBrush* brush, float x, float y, float w, float h, float r);
  void Check(Gdiplus::GpStatus status) {
    if (status != Gdiplus::Ok) complete = false;
  }
  template <typename T>
  T* Check(const GdiplusPtr<T>& made) {
    if (!made) complete = false;
    return made.get();
  }

  int width;
  int height;
  float scale;
  ThemeColors colors;
  GdiplusPtr<Gdiplus::GpGraphics> graphics;
  GdiplusPtr<Gdiplus::GpPath> path;
  bool complete = true;
};
