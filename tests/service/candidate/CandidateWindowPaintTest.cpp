// The candidate window's size and picture: metrics at two DPIs, the rows,
// the page dots, a candidate too long for its box, a window without a
// handle, and nothing left alive after a window's life.
#ifndef _WIN32
#include <cstdlib>
#include <ostream>

#include "host/gdi32/GdiObjects.h"
#include "host/user32/Monitors.h"
#include "host/user32/Mouse.h"
#include "support/CandidateWindowFixture.h"

namespace {

using namespace candidate_window_testing;
using Gdiplus::ARGB;

// Pixels are premultiplied; an opaque pixel is its colour. Antialiasing and
// blending may move a channel by a step or two.
bool CloseTo(uint32_t pixel, uint32_t color, int tolerance = 2) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((pixel >> shift) & 0xFF);
    const int b = static_cast<int>((color >> shift) & 0xFF);
    if (std::abs(a - b) > tolerance) return false;
  }
  return true;
}

struct DpiCase {
  UINT dpi;
  float fontPixels;
  int minimumWidth;
  int margins;  // 2 x MulDiv(5, dpi, 96)
};

void PrintTo(const DpiCase& c, std::ostream* out) { *out << c.dpi << " DPI"; }

class CandidateWindowMetricsTest : public CandidateWindowTest,
                                   public ::testing::WithParamInterface<DpiCase> {};

TEST_P(CandidateWindowMetricsTest, FontRowsAndSizeFollowTheMonitorDpi) {
  const DpiCase& c = GetParam();
  host::SetMonitors({{RECT{0, 0, 1920, 1080}, RECT{0, 0, 1920, 1040}, c.dpi}});
  const uint64_t mark = host::GdiplusMark();
  Open();
  Fill({u"c0"});
  ASSERT_NE(Hwnd(), nullptr);
  EXPECT_EQ(window_->Dpi(), c.dpi);

  // The product's face is not installed here: the generic sans-serif, bold,
  // in pixels.
  const auto fonts = host::GdiplusCallsNamed("GdipCreateFont", mark);
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].values, std::vector<float>{c.fontPixels});
  EXPECT_EQ(fonts[0].options, (std::vector<int>{Gdiplus::FontStyleBold, Gdiplus::UnitPixel}));
  const auto heights = host::GdiplusCallsNamed("GdipGetFontHeight", mark);
  ASSERT_EQ(heights.size(), 1u);
  const float fontHeight = heights[0].results[0];
  EXPECT_EQ(window_->ItemHeight(), static_cast<UINT>(c.dpi / 96.0f * 10 + fontHeight));

  const RECT rect = WindowRect();
  EXPECT_EQ(rect.right - rect.left, c.minimumWidth);
  EXPECT_EQ(rect.bottom - rect.top, static_cast<int>(7 * window_->ItemHeight()) + c.margins);
  const auto drawn = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().font->pixelSize, c.fontPixels);
}

// A candidate of 2,000 characters measures many times the screen's width:
// the window stays within its monitor's work area, the candidate is drawn
// on one line cut with an ellipsis at its end, and the window keeps the
// whole text for the choice.
TEST_P(CandidateWindowMetricsTest, ACandidateWiderThanTheMonitorIsCutToTheWorkArea) {
  const DpiCase& c = GetParam();
  const RECT work{0, 0, 1280, 984};
  host::SetMonitors({{RECT{0, 0, 1280, 1024}, work, c.dpi}});
  std::u16string longWord;
  while (longWord.size() < 2000) longWord += BengaliWords()[3];
  longWord.resize(2000);
  Open();
  uint64_t mark = host::GdiplusMark();
  Fill({u"c0", longWord});
  const auto measured = host::GdiplusCallsNamed("GdipMeasureString", mark);
  ASSERT_GE(measured.size(), 2u);
  ASSERT_GT(measured.back().results[2], 1.0f * (work.right - work.left)) << "too wide to show";

  const RECT rect = WindowRect();
  EXPECT_LE(rect.right - rect.left, work.right - work.left);
  EXPECT_GE(rect.right - rect.left, c.minimumWidth);

  mark = host::GdiplusMark();
  window_->SetSelection(1);
  window_->Render();
  const auto drawn = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_EQ(drawn.size(), 4u);
  // Only as much as shows is laid out: a prefix of the candidate.
  EXPECT_EQ(longWord.compare(0, drawn[3].text.size(), drawn[3].text), 0);
  EXPECT_LT(drawn[3].text.size(), longWord.size());
  const float s = c.dpi / 96.0f;
  EXPECT_LE(drawn[3].values[0] + drawn[3].values[2], (rect.right - rect.left) - 5 * s)
      << "the text's box lies inside the window";
  ASSERT_TRUE(drawn[3].format);
  EXPECT_EQ(drawn[3].format->trimming, Gdiplus::StringTrimmingEllipsisCharacter);
  EXPECT_NE(drawn[3].format->flags & Gdiplus::StringFormatFlagsNoWrap, 0)
      << "one line, cut at its end, not a middle line of many";

  ASSERT_EQ(window_->ItemCount(), 2u);
  EXPECT_EQ(window_->GetItem(1)->length, 2000u) << "a choice commits the whole text";
  EXPECT_EQ(std::u16string(AsChar16(window_->GetItem(1)->text), 2000), longWord);
}

// A long candidate is measured and drawn only as far as it can show: the
// window's size and every pixel of its picture are those of the candidates
// laid out whole, for a candidate that overflows its box by a little, by
// much, or that has a letter outside the BMP at the prefix's first cut.
TEST_P(CandidateWindowMetricsTest, ALongCandidateLaidOutOnlyAsFarAsItShowsLooksTheSame) {
  const DpiCase& c = GetParam();
  host::SetMonitors({{RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 984}, c.dpi}});
  std::u16string bengali;
  while (bengali.size() < 6000) bengali += BengaliWords()[5] + BengaliWords()[3];
  std::u16string astral = bengali.substr(0, 255) + u"😀" + bengali.substr(0, 600);
  const std::vector<std::u16string> words = {bengali.substr(0, 300), bengali.substr(0, 700),
                                             bengali.substr(0, 6000), astral};
  Open();
  for (const std::u16string& word : words) {
    SCOPED_TRACE(word.size());
    std::vector<RECT> rects;
    std::vector<host::Picture> pictures;
    for (bool whole : {true, false}) {
      window_->SetWholeText(whole);
      Fill({u"c0", word, BengaliWords()[4]});
      window_->SetSelection(1);
      window_->Render();
      rects.push_back(WindowRect());
      pictures.push_back(Picture());
    }
    EXPECT_EQ(rects[0].right - rects[0].left, rects[1].right - rects[1].left);
    ASSERT_EQ(pictures[0].width, pictures[1].width);
    ASSERT_EQ(pictures[0].height, pictures[1].height);
    ASSERT_FALSE(pictures[0].pixels.empty());
    size_t differing = 0;
    for (size_t i = 0; i < pictures[0].pixels.size(); ++i)
      differing += pictures[0].pixels[i] != pictures[1].pixels[i];
    EXPECT_EQ(differing, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Dpi, CandidateWindowMetricsTest,
                         ::testing::Values(DpiCase{96, 16, 148, 10}, DpiCase{144, 24, 222, 16}));

using CandidateWindowPaintTest = CandidateWindowTest;

TEST_F(CandidateWindowPaintTest, ThreeCandidatesKeepTheHeightOfSevenRows) {
  Open();
  Fill(Numbered(10));
  const int tenHigh = WindowRect().bottom;
  const uint64_t mark = host::GdiplusMark();
  Fill(Numbered(3));
  EXPECT_EQ(WindowRect().bottom, tenHigh);
  EXPECT_EQ(WindowRect().bottom, static_cast<int>(7 * window_->ItemHeight()) + 10);
  EXPECT_EQ(TextsDrawn(mark),
            (std::vector<std::u16string>{u"1", u"c0", u"2", u"c1", u"3", u"c2"}));

  // Row 0 highlighted, rows 4 to 7 empty panel.
  const host::Picture picture = Picture();
  const int rowHeight = static_cast<int>(window_->ItemHeight());
  EXPECT_TRUE(CloseTo(picture.At(60, 2 + rowHeight / 2), ThemeColors::kDefaultHighlightBackground))
      << std::hex << picture.At(60, 2 + rowHeight / 2);
  for (int row = 3; row < 7; ++row)
    EXPECT_EQ(picture.At(60, 2 + row * rowHeight + rowHeight / 2),
              ThemeColors::kDefaultWindowBackground)
        << "row " << row;
}

TEST_F(CandidateWindowPaintTest, SelectedRowHasItsHighlightBarAndColours) {
  Open();
  Fill(Numbered(5));
  window_->SetSelection(2);
  const uint64_t mark = host::GdiplusMark();
  window_->Render();
  const float h = static_cast<float>(window_->ItemHeight());
  const float w = static_cast<float>(WindowRect().right);
  const float y = 2 + 2 * h;

  const auto fills = host::GdiplusCallsNamed("GdipFillPath", mark);
  ASSERT_EQ(fills.size(), 2u);  // the panel, then the highlight
  EXPECT_EQ(fills[0].color, ThemeColors::kDefaultWindowBackground);
  EXPECT_EQ(fills[0].path[0].values, (std::vector<float>{0, 0, 18, 18, 180, 90}));
  EXPECT_EQ(fills[1].color, ThemeColors::kDefaultHighlightBackground);
  EXPECT_EQ(fills[1].path[0].values, (std::vector<float>{5, y + 2, 8, 8, 180, 90}));
  EXPECT_EQ(fills[1].path[2].values, (std::vector<float>{w - 5 - 8, y + h - 2 - 8, 8, 8, 0, 90}));
  const auto bars = host::GdiplusCallsNamed("GdipFillRectangle", mark);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].color, ThemeColors::kDefaultSelectionBar);
  EXPECT_EQ(bars[0].values, (std::vector<float>{5, y + 10, 3, h - 20}));

  const auto texts = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_EQ(texts.size(), 10u);
  for (size_t i = 0; i < texts.size(); ++i) {
    const bool selectedRow = i / 2 == 2;
    EXPECT_EQ(texts[i].color,
              selectedRow ? ThemeColors::kDefaultHighlightText : ThemeColors::kDefaultText)
        << i;
  }
  EXPECT_EQ(texts[4].values, (std::vector<float>{10, y, 15, h}));      // label "3"
  EXPECT_EQ(texts[5].values, (std::vector<float>{30, y, w - 35, h}));  // its candidate
  EXPECT_EQ(texts[5].format->trimming, Gdiplus::StringTrimmingEllipsisCharacter);
  EXPECT_EQ(texts[5].format->lineAlign, Gdiplus::StringAlignmentCenter);

  const auto borders = host::GdiplusCallsNamed("GdipDrawPath", mark);
  ASSERT_EQ(borders.size(), 1u);
  EXPECT_EQ(borders[0].color, ThemeColors::kDefaultBorder);
  EXPECT_FLOAT_EQ(borders[0].penWidth, 1.6f);
  EXPECT_EQ(borders[0].path[0].values, (std::vector<float>{0.3f, 0.3f, 18, 18, 180, 90}));
}

TEST_F(CandidateWindowPaintTest, PageDotsShowTwoPagesAndTheCurrentOne) {
  Open();
  uint64_t mark = host::GdiplusMark();
  Fill(Numbered(3));  // one page
  EXPECT_TRUE(host::GdiplusCallsNamed("GdipFillEllipse", mark).empty());

  mark = host::GdiplusMark();
  Fill(Numbered(10));  // pages [0, 7]
  const RECT rect = WindowRect();
  const float x = static_cast<float>(rect.right) - 15;
  const float top = (static_cast<float>(rect.bottom) - 12) * 0.5f;
  const ARGB otherDot = (ThemeColors::kDefaultText & 0xFFFFFF) | 0x64000000;
  auto dots = host::GdiplusCallsNamed("GdipFillEllipse", mark);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].values, (std::vector<float>{x - 4, top - 4, 8, 8}));
  EXPECT_EQ(dots[0].color, ThemeColors::kDefaultSelectionBar);
  EXPECT_EQ(dots[1].values, (std::vector<float>{x - 2.5f, top + 12 - 2.5f, 5, 5}));
  EXPECT_EQ(dots[1].color, otherDot);

  host::Picture picture = Picture();
  EXPECT_EQ(picture.At(static_cast<int>(x), static_cast<int>(top)),
            ThemeColors::kDefaultSelectionBar);
  // Black at alpha 0x64 over the panel.
  EXPECT_TRUE(CloseTo(picture.At(static_cast<int>(x), static_cast<int>(top) + 12), 0xFF939396))
      << std::hex << picture.At(static_cast<int>(x), static_cast<int>(top) + 12);

  mark = host::GdiplusMark();
  ASSERT_TRUE(window_->MovePage(+1));
  dots = host::GdiplusCallsNamed("GdipFillEllipse", mark);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].values[2], 5);
  EXPECT_EQ(dots[1].values[2], 8);
  EXPECT_EQ(dots[1].color, ThemeColors::kDefaultSelectionBar);
}

TEST_F(CandidateWindowPaintTest, LongCandidateWidensTheWindowAndIsCutWithAnEllipsisWhenNarrower) {
  Open();
  std::u16string longWord;
  for (int i = 0; i < 6; ++i) longWord += BengaliWords()[3] + u" " + BengaliWords()[4];
  uint64_t mark = host::GdiplusMark();
  Fill({u"c0", longWord});
  const auto measured = host::GdiplusCallsNamed("GdipMeasureString", mark);
  ASSERT_EQ(measured.size(), 2u);
  const int width = static_cast<int>(measured[1].results[2]) + 50;
  EXPECT_GT(width, 148);
  EXPECT_EQ(WindowRect().right, width);
  EXPECT_EQ(window_->Widest(), static_cast<UINT>(width));

  // Squeezed to the minimum width, the candidate no longer fits its box.
  window_->Resize(0, 0, 148, WindowRect().bottom);
  mark = host::GdiplusMark();
  window_->Render();
  const auto drawn = host::GdiplusCallsNamed("GdipDrawString", mark);
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[3].text, longWord);
  const Gdiplus::RectF box(drawn[3].values[0], drawn[3].values[1], drawn[3].values[2],
                           drawn[3].values[3]);
  EXPECT_EQ(box.Width, 148 - 35);
  EXPECT_EQ(drawn[3].format->trimming, Gdiplus::StringTrimmingEllipsisCharacter);

  // The same box and format fit only part of the text: the line drawn is
  // cut, and ends in the ellipsis its format asks for.
  Gdiplus::GpGraphics* graphics = nullptr;
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(Gdiplus::DllExports::GdipCreateFromHDC(screen, &graphics), Gdiplus::Ok);
  Gdiplus::GpFontFamily* family = nullptr;
  Gdiplus::GpFont* font = nullptr;
  Gdiplus::GpStringFormat* format = nullptr;
  Gdiplus::DllExports::GdipGetGenericFontFamilySansSerif(&family);
  Gdiplus::DllExports::GdipCreateFont(family, 16, Gdiplus::FontStyleBold, Gdiplus::UnitPixel,
                                      &font);
  Gdiplus::DllExports::GdipCreateStringFormat(0, 0, &format);
  Gdiplus::DllExports::GdipSetStringFormatLineAlign(format, Gdiplus::StringAlignmentCenter);
  Gdiplus::DllExports::GdipSetStringFormatTrimming(format,
                                                   Gdiplus::StringTrimmingEllipsisCharacter);
  Gdiplus::RectF bounds;
  INT fitted = 0;
  Gdiplus::DllExports::GdipMeasureString(graphics, AsWchar(longWord.c_str()),
                                         static_cast<INT>(longWord.size()), font, &box, format,
                                         &bounds, &fitted, nullptr);
  EXPECT_GT(fitted, 0);
  EXPECT_LT(fitted, static_cast<INT>(longWord.size()));
  EXPECT_LE(bounds.X + bounds.Width, box.X + box.Width);
  Gdiplus::DllExports::GdipDeleteStringFormat(format);
  Gdiplus::DllExports::GdipDeleteFont(font);
  Gdiplus::DllExports::GdipDeleteFontFamily(family);
  Gdiplus::DllExports::GdipDeleteGraphics(graphics);
  ReleaseDC(nullptr, screen);
}

TEST_F(CandidateWindowPaintTest, WithoutAWindowHandleEverythingWorksOnTheFieldsAndNothingIsDrawn) {
  host::FailCall("CreateWindowExW");
  window_ = std::make_unique<CCandidateWindow>(&labels_, &RecordChoice, &choices_, kWidthChars);
  EXPECT_FALSE(window_->Create(CandidateWindowClass(), kExStyle, WS_POPUP, nullptr, 0, 0, nullptr));
  ASSERT_EQ(Hwnd(), nullptr);

  const uint64_t mark = host::GdiplusMark();
  window_->Show(TRUE);
  Fill(Numbered(10));
  EXPECT_EQ(window_->ItemCount(), 10u);
  EXPECT_EQ(window_->PageStarts(), (std::vector<UINT>{0, 7}));
  EXPECT_TRUE(window_->MovePage(+1));
  EXPECT_EQ(window_->Selection(), 7u);
  window_->SetColors(ThemeColors());

  // No font was made (there was no WM_CREATE): rows of height 0.
  RECT rect = {};
  ASSERT_TRUE(window_->GetWindowRect(&rect));
  EXPECT_EQ(rect.right - rect.left, 148);
  EXPECT_EQ(rect.bottom - rect.top, 10);
  window_->Move(300, 40);
  ASSERT_TRUE(window_->GetClientRect(&rect));
  EXPECT_EQ(rect.left, 300);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.right, 448);
  EXPECT_TRUE(window_->IsVisible());
  window_->Show(FALSE);
  EXPECT_FALSE(window_->IsVisible());
  window_->Enable(FALSE);
  EXPECT_FALSE(window_->IsEnabled());

  EXPECT_TRUE(host::GdiplusCallsNamed("GdipGraphicsClear", mark).empty());
  EXPECT_TRUE(host::GdiplusCallsNamed("GdipFillPath", mark).empty());
  EXPECT_TRUE(host::GdiplusCallsNamed("GdipDrawString", mark).empty());
  EXPECT_TRUE(host::LiveGdiObjects().empty());
  EXPECT_TRUE(choices_.actions.empty());
}

TEST_F(CandidateWindowPaintTest, AtomZeroMakesNoWindowAndSucceeds) {
  window_ = std::make_unique<CCandidateWindow>(&labels_, &RecordChoice, &choices_, kWidthChars);
  EXPECT_TRUE(window_->Create(0, kExStyle, WS_POPUP, nullptr, 0, 0, nullptr));
  EXPECT_EQ(Hwnd(), nullptr);
  EXPECT_TRUE(host::Windows().empty());
}

TEST_F(CandidateWindowPaintTest, NothingStaysAliveAfterAWindowsLife) {
  Open();
  Fill(BengaliWords());
  Fill(Numbered(10));
  // Every paint frees its bitmap: none lives between paints.
  for (const host::GdiObjectRecord& object : host::LiveGdiObjects())
    ADD_FAILURE() << "alive between paints: " << object.description;
  ASSERT_TRUE(host::Wheel(Hwnd(), 120));
  window_->SetColors(ThemeColors());
  SendMessageW(Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
  const RECT rect = WindowRect();
  ASSERT_TRUE(host::Click(Hwnd(), 20, static_cast<int>(window_->ItemHeight()) / 2));
  EXPECT_EQ(rect.right - rect.left, WindowRect().right - WindowRect().left);
  window_->Show(FALSE);
  Close();

  for (const host::GdiObjectRecord& object : host::LiveGdiObjects())
    ADD_FAILURE() << "GDI object left: " << object.description;
  for (const host::GdiplusObjectRecord& object : host::LiveGdiplusObjects())
    ADD_FAILURE() << "GDI+ object left: " << object.kind;
  EXPECT_TRUE(host::Windows().empty());
}

}  // namespace
#endif
