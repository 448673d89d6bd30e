#include "service/candidate/CandidatePainter.h"

#include <algorithm>
#include <climits>
#include <string>

#include "service/candidate/MeasuringGraphics.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

constexpr float kPanelRadius = 9;
constexpr float kBorderWidth = 1.6f;
constexpr float kBorderInset = 0.8f;
constexpr float kBorderCornerBox = 18;
constexpr ARGB kOtherDotAlpha = 0x64000000;

// "%d" of a label.
std::u16string DecimalText(int value) {
  const bool negative = value < 0;
  unsigned int magnitude = negative ? 0u - static_cast<unsigned int>(value)
                                    : static_cast<unsigned int>(value);
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) digits.insert(digits.begin(), u'-');
  return digits;
}

// Four quarter arcs in d x d boxes at the corners, closed.
void AddCornerArcs(GpPath* path, float x, float y, float w, float h, float d) {
  GdipResetPath(path);
  GdipAddPathArc(path, x, y, d, d, 180, 90);
  GdipAddPathArc(path, x + w - d, y, d, d, 270, 90);
  GdipAddPathArc(path, x + w - d, y + h - d, d, d, 0, 90);
  GdipAddPathArc(path, x, y + h - d, d, d, 90, 90);
  GdipClosePathFigure(path);
}

GdiplusPtr<GpStringFormat> RowFormat() {
  GpStringFormat* format = nullptr;
  // One line per row: a candidate too long for its box is cut at its end
  // with the ellipsis, rather than wrapped with a middle line shown.
  if (GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &format) != Ok) return nullptr;
  GdiplusPtr<GpStringFormat> owned(format);
  GdipSetStringFormatAlign(format, StringAlignmentNear);
  GdipSetStringFormatLineAlign(format, StringAlignmentCenter);
  GdipSetStringFormatTrimming(format, StringTrimmingEllipsisCharacter);
  return owned;
}

}  // namespace

CandidatePainter::CandidatePainter(HDC dc, int width, int height, float scale,
                                   const ThemeColors& colors)
    : width(width), height(height), scale(scale), colors(colors) {
  GpGraphics* made = nullptr;
  if (GdipCreateFromHDC(dc, &made) == Ok) {
    graphics.reset(made);
    Check(GdipSetCompositingQuality(made, CompositingQualityHighQuality));
    Check(GdipSetInterpolationMode(made, InterpolationModeHighQuality));
    Check(GdipSetPixelOffsetMode(made, PixelOffsetModeHighQuality));
    Check(GdipSetSmoothingMode(made, SmoothingModeAntiAlias));
    Check(GdipSetTextRenderingHint(made, kCandidateTextHint));
    Check(GdipGraphicsClear(made, 0));
  } else {
    complete = false;
  }
  GpPath* madePath = nullptr;
  if (GdipCreatePath(FillModeAlternate, &madePath) == Ok)
    path.reset(madePath);
  else
    complete = false;
}

void CandidatePainter::AddRoundedRectPath(GpPath* path, float x, float y, float w, float h,
                                          float r) {
  if (r == 0) {
    GdipResetPath(path);
    GdipAddPathRectangle(path, x, y, w, h);
    GdipClosePathFigure(path);
    return;
  }
  AddCornerArcs(path, x, y, w, h, 2 * r);
}

void CandidatePainter::FillRounded(GpBrush* brush, float x, float y, float w, float h, float r) {
  if (!graphics || !path || brush == nullptr) {
    complete = false;
    return;
  }
  AddRoundedRectPath(path.get(), x, y, w, h, r);
  Check(GdipFillPath(graphics.get(), brush, path.get()));
}

void CandidatePainter::FillPanel(GpBrush* background) {
  FillRounded(background, 0, 0, static_cast<float>(width), static_cast<float>(height),
              kPanelRadius);
}

void CandidatePainter::DrawItems(const CandidateRows& rows) {
  if (!graphics || rows.items == nullptr) return;
  GdiplusPtr<GpStringFormat> format = RowFormat();
  GdiplusPtr<GpSolidFill> textBrush = MakeSolidBrush(colors.text);
  GdiplusPtr<GpSolidFill> selectedTextBrush = MakeSolidBrush(colors.highlightText);
  GdiplusPtr<GpSolidFill> highlightBrush = MakeSolidBrush(colors.highlightBackground);
  GdiplusPtr<GpSolidFill> barBrush = MakeSolidBrush(colors.selectionBar);
  Check(format);
  Check(textBrush);
  Check(selectedTextBrush);
  Check(highlightBrush);
  Check(barBrush);
  const float s = scale;
  const float w = static_cast<float>(width);
  const float rowHeight = static_cast<float>(rows.itemHeight);
  const uint64_t count = rows.items->Count();

  for (UINT r = 0; r < rows.rowCount && uint64_t{rows.first} + r < count; ++r) {
    const UINT index = rows.first + r;
    const CCandidateListItem* item = rows.items->GetAt(index);
    const float y = 2 * s + static_cast<float>(r) * rowHeight;
    const bool selected = index == rows.selection;
    if (selected) {
      FillRounded(highlightBrush.get(), 5 * s, y + 2 * s, w - 10 * s, rowHeight - 4 * s, 4 * s);
      if (barBrush)
        Check(GdipFillRectangle(graphics.get(), barBrush.get(), 5 * s, y + 10 * s, 3 * s,
                                rowHeight - 20 * s));
    }
    GpSolidFill* brush = selected ? selectedTextBrush.get() : textBrush.get();
    if (brush == nullptr || rows.font == nullptr) continue;

    const unsigned long* label = rows.labels != nullptr ? rows.labels->GetAt(r) : nullptr;
    if (label != nullptr) {
      const std::u16string text = DecimalText(static_cast<int>(*label));
      const RectF box(10 * s, y, 15 * s, rowHeight);
      Check(GdipDrawString(graphics.get(), AsWchar(text.c_str()), static_cast<INT>(text.size()),
                           rows.font, &box, format.get(), brush));
    }
    if (item != nullptr && item->text != nullptr && item->length != 0) {
      INT length = static_cast<INT>(std::min<uint64_t>(item->length, INT_MAX));
      const RectF box(30 * s, y, w - 35 * s, rowHeight);
      if (!rows.wholeText)
        length = MeasuringGraphics::VisibleLength(graphics.get(), rows.font, item->text, length,
                                                  box.Width);
      Check(GdipDrawString(graphics.get(), item->text, length, rows.font, &box, format.get(),
                           brush));
    }
  }
}

void CandidatePainter::DrawPageDots(UINT pages, UINT current) {
  if (!graphics || pages < 2) return;
  GdiplusPtr<GpSolidFill> currentBrush = MakeSolidBrush(colors.selectionBar);
  GdiplusPtr<GpSolidFill> otherBrush = MakeSolidBrush((colors.text & 0x00FFFFFF) | kOtherDotAlpha);
  Check(currentBrush);
  Check(otherBrush);
  const float s = scale;
  const float x = static_cast<float>(width) - 15 * s;
  const float top = (static_cast<float>(height) - static_cast<float>(pages - 1) * 12 * s) * 0.5f;
  for (UINT k = 0; k < pages; ++k) {
    const float y = static_cast<float>(k) * 12 * s + top;
    const bool isCurrent = k == current;
    GpSolidFill* brush = isCurrent ? currentBrush.get() : otherBrush.get();
    const float radius = isCurrent ? 4 * s : 2.5f * s;
    if (brush != nullptr)
      Check(GdipFillEllipse(graphics.get(), brush, x - radius, y - radius, 2 * radius, 2 * radius));
  }
}

void CandidatePainter::DrawBorder() {
  if (!graphics || !path) {
    complete = false;
    return;
  }
  RectF bounds;
  if (GdipGetVisibleClipBounds(graphics.get(), &bounds) != Ok) {
    complete = false;
    return;
  }
  bounds.X -= 0.5f;
  bounds.Y -= 0.5f;
  if (bounds.Width <= 0 || bounds.Height <= 0) return;
  const float x = bounds.X + kBorderInset;
  const float y = bounds.Y + kBorderInset;
  const float w = bounds.Width - 2 * kBorderInset;
  const float h = bounds.Height - 2 * kBorderInset;
  const float d = std::min({kBorderCornerBox, w, h});
  GpPen* pen = nullptr;
  if (GdipCreatePen1(colors.border, kBorderWidth, UnitWorld, &pen) != Ok) {
    complete = false;
    return;
  }
  GdiplusPtr<GpPen> owned(pen);
  AddCornerArcs(path.get(), x, y, w, h, d);
  Check(GdipDrawPath(graphics.get(), pen, path.get()));
}
