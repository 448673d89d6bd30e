#include "program/DrawPreview.h"

#include <memory>
#include <vector>

#include "preview/AddRoundedRectangle.h"
#include "program/ThemeList.h"
#include "resources/ResourceIds.h"

using namespace Gdiplus;

namespace {

constexpr REAL kPanelWidth = 145;
constexpr REAL kPanelHeight = 128;
constexpr REAL kRowHeight = 30;
constexpr int kRows = 4;
constexpr int kSelectedRow = 2;

// Every GDI+ object made here is deleted when the painting ends, however
// far it got.
struct GdiplusDeleter {
  void operator()(GpGraphics* graphics) const { DllExports::GdipDeleteGraphics(graphics); }
  void operator()(GpSolidFill* brush) const { DllExports::GdipDeleteBrush(brush); }
  void operator()(GpPen* pen) const { DllExports::GdipDeletePen(pen); }
  void operator()(GpPath* path) const { DllExports::GdipDeletePath(path); }
  void operator()(GpFontFamily* family) const { DllExports::GdipDeleteFontFamily(family); }
  void operator()(GpFont* font) const { DllExports::GdipDeleteFont(font); }
  void operator()(GpStringFormat* format) const { DllExports::GdipDeleteStringFormat(format); }
};
template <typename T>
using Owned = std::unique_ptr<T, GdiplusDeleter>;
using HeldGraphics = Owned<GpGraphics>;
using HeldBrush = Owned<GpSolidFill>;
using HeldPen = Owned<GpPen>;
using HeldPath = Owned<GpPath>;
using HeldFamily = Owned<GpFontFamily>;
using HeldFont = Owned<GpFont>;
using HeldFormat = Owned<GpStringFormat>;

HeldBrush MakeBrush(ARGB color) {
  GpSolidFill* brush = nullptr;
  DllExports::GdipCreateSolidFill(color, &brush);
  return HeldBrush(brush);
}

// The theme selected in the combo box of the control's dialog, if any.
const ThemeRecord* SelectedTheme(HWND control) {
  LRESULT selected = SendDlgItemMessageW(GetParent(control), IDC_THEME_COMBO, CB_GETCURSEL, 0, 0);
  const std::vector<ThemeRecord>& themes = ThemeList();
  if (selected == CB_ERR || selected < 0 || static_cast<size_t>(selected) >= themes.size())
    return nullptr;
  return &themes[static_cast<size_t>(selected)];
}

ARGB FaceColor() {
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  return 0xFF000000u | static_cast<ARGB>(GetRValue(face)) << 16 |
         static_cast<ARGB>(GetGValue(face)) << 8 | GetBValue(face);
}

// "Segoe UI", which every Windows has; the generic sans-serif family where
// it is missing.
HeldFamily PreviewFamily() {
  GpFontFamily* family = nullptr;
  if (DllExports::GdipCreateFontFamilyFromName(TEXT("Segoe UI"), nullptr, &family) != Ok)
    DllExports::GdipGetGenericFontFamilySansSerif(&family);
  return HeldFamily(family);
}

}  // namespace

void DrawPreview(const DRAWITEMSTRUCT* item) {
  if (item == nullptr) return;
  GpGraphics* made = nullptr;
  if (DllExports::GdipCreateFromHDC(item->hDC, &made) != Ok) return;
  HeldGraphics graphics(made);
  DllExports::GdipSetSmoothingMode(made, SmoothingModeAntiAlias);
  DllExports::GdipSetTextRenderingHint(made, TextRenderingHintClearTypeGridFit);
  const ThemeRecord* theme = SelectedTheme(item->hwndItem);
  if (theme == nullptr) return;
  const ThemeColors& colors = theme->colors;

  HeldBrush background = MakeBrush(colors.windowBackground);
  HeldBrush text = MakeBrush(colors.text);
  HeldBrush highlight = MakeBrush(colors.highlightBackground);
  HeldBrush highlightText = MakeBrush(colors.highlightText);
  HeldBrush selectionBar = MakeBrush(colors.selectionBar);
  GpPen* pen = nullptr;
  DllExports::GdipCreatePen1(colors.border, 1.9f, UnitWorld, &pen);
  HeldPen border(pen);

  auto width = static_cast<REAL>(item->rcItem.right - item->rcItem.left);
  auto height = static_cast<REAL>(item->rcItem.bottom - item->rcItem.top);
  REAL x = width * 0.5f - kPanelWidth / 2;
  REAL y = height * 0.5f - kPanelHeight / 2;

  HeldBrush face = MakeBrush(FaceColor());
  DllExports::GdipFillRectangle(made, face.get(), static_cast<REAL>(item->rcItem.left),
                                static_cast<REAL>(item->rcItem.top), width, height);

  GpPath* panelPath = nullptr;
  DllExports::GdipCreatePath(FillModeAlternate, &panelPath);
  HeldPath panel(panelPath);
  AddRoundedRectangle(panelPath, 6, x, y, kPanelWidth, kPanelHeight);
  DllExports::GdipFillPath(made, background.get(), panelPath);

  HeldFamily family = PreviewFamily();
  GpFont* madeFont = nullptr;
  DllExports::GdipCreateFont(family.get(), 9, FontStyleRegular, UnitPoint, &madeFont);
  HeldFont font(madeFont);
  GpStringFormat* madeFormat = nullptr;
  DllExports::GdipCreateStringFormat(0, 0, &madeFormat);
  HeldFormat format(madeFormat);
  DllExports::GdipSetStringFormatAlign(madeFormat, StringAlignmentNear);
  DllExports::GdipSetStringFormatLineAlign(madeFormat, StringAlignmentCenter);

  GpPath* rowPath = nullptr;
  DllExports::GdipCreatePath(FillModeAlternate, &rowPath);
  HeldPath row(rowPath);
  for (int i = 0; i < kRows; ++i) {
    WCHAR label[32];
    _snwprintf_s(label, 32, _TRUNCATE, TEXT("%d  Suggestion %d"), i + 1, i + 1);
    REAL top = y + 4 + kRowHeight * static_cast<REAL>(i);
    RectF box{x + 10, top, 130, kRowHeight};
    GpSolidFill* textBrush = text.get();
    if (i == kSelectedRow) {
      AddRoundedRectangle(rowPath, 4, x + 4, top + 2, 137, 26);
      DllExports::GdipFillPath(made, highlight.get(), rowPath);
      DllExports::GdipFillRectangle(made, selectionBar.get(), x + 4, top + 6, 3, 18);
      textBrush = highlightText.get();
    }
    DllExports::GdipDrawString(made, label, -1, font.get(), &box, madeFormat, textBrush);
  }
  // The outline goes over the rows.
  DllExports::GdipDrawPath(made, border.get(), panelPath);
}
