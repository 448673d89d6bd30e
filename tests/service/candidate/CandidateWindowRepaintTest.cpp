// What a candidate update costs the window: a picture that would not change
// is neither drawn nor handed over again, yet the screen always shows what
// a fresh window with the same list, selection, colours and size draws; a
// candidate the last list held is not laid out again, and a long one that
// grows past what shows keeps its measure; a new window is first drawn with
// its items.
#ifndef _WIN32
#include <functional>
#include <string>

#include "host/user32/Monitors.h"
#include "support/CandidateWindowFixture.h"

namespace {

using namespace candidate_window_testing;

class CandidateWindowRepaintTest : public CandidateWindowTest,
                                   public ::testing::WithParamInterface<UINT> {
 protected:
  void SetUp() override {
    CandidateWindowTest::SetUp();
    host::SetMonitors({{RECT{0, 0, 1280, 1024}, RECT{0, 0, 1280, 984}, GetParam()}});
  }

  int Updates() const {
    std::optional<host::LayeredPicture> layered = host::LayeredPictureOf(Hwnd());
    return layered ? layered->updates : 0;
  }

  // The picture a window of its own draws for words, selection and colours
  // at the size the window under test has, every candidate laid out whole.
  host::Picture FreshPicture(const std::vector<std::u16string>& words, UINT selection,
                             const ThemeColors& colors) {
    const RECT rect = WindowRect();
    std::unique_ptr<CCandidateWindow> shown = std::move(window_);
    Open();
    window_->SetWholeText(true);
    window_->SetColors(colors);
    Fill(words);
    window_->SetSelection(selection);
    window_->Resize(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    window_->Render();
    host::Picture fresh = Picture();
    Close();
    window_ = std::move(shown);
    return fresh;
  }

  static size_t Differing(const host::Picture& a, const host::Picture& b) {
    if (a.width != b.width || a.height != b.height) return SIZE_MAX;
    size_t differing = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) differing += a.pixels[i] != b.pixels[i];
    return differing;
  }
};

TEST_P(CandidateWindowRepaintTest, ANewWindowIsFirstDrawnWithItsItems) {
  Open();
  EXPECT_EQ(Updates(), 0) << "shown with nothing in it, a layered window shows nothing yet";
  const uint64_t mark = host::GdiplusMark();
  Fill(BengaliWords());
  EXPECT_EQ(Updates(), 1);
  EXPECT_EQ(host::GdiplusCallsNamed("GdipGraphicsClear", mark).size(), 1u);

  // Hidden and shown again, the window is drawn at once if its list changed
  // meanwhile, and not again if it did not.
  window_->Show(FALSE);
  Fill(Numbered(3));
  EXPECT_EQ(Updates(), 1) << "not drawn while hidden";
  window_->Show(TRUE);
  EXPECT_EQ(Updates(), 2);
  window_->Show(FALSE);
  window_->Show(TRUE);
  EXPECT_EQ(Updates(), 2);
}

// Each step is a candidate update or a change of what shows, as typing and
// the user make them; after each, the screen holds the fresh picture of the
// state, drawn again only when something that shows changed.
TEST_P(CandidateWindowRepaintTest, TheScreenAlwaysShowsTheFreshPictureOfTheState) {
  std::u16string longWord;
  while (longWord.size() < 3000) longWord += BengaliWords()[5] + BengaliWords()[3];
  std::vector<std::u16string> words;
  UINT selection = 0;
  ThemeColors colors;
  ThemeColors dark;
  dark.windowBackground = 0xFF202024;
  dark.text = 0xFFF0F0F0;
  struct Step {
    const char* what;
    std::function<void()> act;
    bool drawn;
  };
  const std::vector<Step> steps = {
      {"a list", [&] { words = BengaliWords(); }, true},
      {"the same list", [&] {}, false},
      {"one candidate changed", [&] { words[1] = u"\u0986\u09AE\u09B0\u09BE\u0993"; }, true},
      {"the selection moved", [&] { selection = 2; }, true},
      {"the selection as it was", [&] {}, false},
      {"other colours", [&] { colors = dark; }, true},
      {"a long candidate", [&] { words = {u"c0", longWord, BengaliWords()[4]}; }, true},
      {"it grows past what shows",
       [&] { words[1] += BengaliWords()[0]; }, false},
      {"its first letter changed", [&] { words[1][0] = u'\u0987'; }, true},
      {"fewer candidates", [&] { words = Numbered(2); selection = 0; }, true},
  };
  Open();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    const int before = Updates();
    const uint64_t mark = host::GdiplusMark();
    // As the composition updates the list: nothing is painted before the
    // whole update is in.
    if (window_->Colors() != colors) window_->SetColors(colors);
    Load(words);
    window_->SetSelection(selection);
    window_->ResizeToContent();
    window_->Render();
    EXPECT_EQ(Updates() > before, step.drawn);
    if (!step.drawn) {
      EXPECT_TRUE(host::GdiplusCallsNamed("GdipGraphicsClear", mark).empty());
    }
    EXPECT_EQ(Differing(Picture(), FreshPicture(words, selection, colors)), 0u);
  }
}

TEST_P(CandidateWindowRepaintTest, ACandidateOfTheLastListIsNotLaidOutAgain) {
  Open();
  Fill(BengaliWords());
  const UINT widest = window_->Widest();
  std::vector<std::u16string> next = BengaliWords();
  next[6] = u"amii";
  const uint64_t mark = host::GdiplusMark();
  Fill(next);
  const auto measured = host::GdiplusCallsNamed("GdipMeasureString", mark);
  ASSERT_EQ(measured.size(), 1u);
  EXPECT_EQ(measured[0].text, u"amii");
  EXPECT_EQ(window_->Widest(), widest);

  // The measures go with the font: a new DPI lays every candidate out again.
  const uint64_t again = host::GdiplusMark();
  SendMessageW(Hwnd(), WM_DPICHANGED, MAKEWPARAM(GetParam() * 2, GetParam() * 2), 0);
  EXPECT_EQ(host::GdiplusCallsNamed("GdipMeasureString", again).size(), 1u + next.size())
      << "the letter W, then every candidate";
}

// A long candidate that grows at its end (a composition typed without a
// space) keeps the measure of the prefix it is laid out to, and the window
// its size; one that shrinks, or changes inside that prefix, is measured
// again. Each size is that of a window measuring the text afresh.
TEST_P(CandidateWindowRepaintTest, ALongCandidateKeepsItsMeasureWhileOnlyItsHiddenEndChanges) {
  std::u16string text;
  while (text.size() < 3000) text += BengaliWords()[3] + u" ";
  Open();
  struct Case {
    const char* what;
    std::u16string word;
    bool measured;
  };
  const Case cases[] = {
      {"first", text, true},
      {"longer", text + u"\u0995", false},
      {"longer still", text + u"\u0995\u09BF", false},
      {"shorter than the first", text.substr(0, 2990), true},
      {"changed in what shows", u"\u0995" + text.substr(1), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const uint64_t mark = host::GdiplusMark();
    Fill({u"c0", c.word});
    const auto measured = host::GdiplusCallsNamed("GdipMeasureString", mark);
    EXPECT_EQ(!measured.empty(), c.measured);
    const UINT widest = window_->Widest();
    const RECT rect = WindowRect();

    std::unique_ptr<CCandidateWindow> kept = std::move(window_);
    Open();
    Fill({u"c0", c.word});
    EXPECT_EQ(window_->Widest(), widest);
    EXPECT_EQ(WindowRect().right - WindowRect().left, rect.right - rect.left);
    Close();
    window_ = std::move(kept);
  }
}

// A window made wider than the screen the measure cut a long candidate
// against (someone else sized it) may show that row past the cut: such a
// picture is drawn at every paint, as a fresh window draws it.
TEST_P(CandidateWindowRepaintTest, ARowWiderThanTheMeasuredCutIsAlwaysDrawn) {
  std::u16string longWord;
  while (longWord.size() < 3000) longWord += BengaliWords()[5] + BengaliWords()[3];
  Open();
  const std::vector<std::u16string> words = {u"c0", longWord};
  Fill(words);
  window_->Resize(0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN) + 400, WindowRect().bottom);
  for (int paint = 1; paint <= 2; ++paint) {
    const int before = Updates();
    window_->Render();
    EXPECT_EQ(Updates(), before + 1) << "paint " << paint;
  }
  EXPECT_EQ(Differing(Picture(), FreshPicture(words, 0, ThemeColors())), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dpi, CandidateWindowRepaintTest, ::testing::Values(96u, 144u),
                         [](const ::testing::TestParamInfo<UINT>& info) {
                           return std::to_string(info.param) + "Dpi";
                         });

}  // namespace
#endif
