#include <gtest/gtest.h>

#include <limits>

#include "service/candidate/CalcCandidateWindowPosition.h"

namespace {

constexpr RECT kWorkArea{0, 0, 1920, 1040};
constexpr RECT kWindow{0, 0, 200, 300};

struct Case {
  const char* name;
  RECT text;
  RECT workArea;
  RECT window;
  POINT expected;
};

template <size_t N>
void ExpectPlacements(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    POINT at{12345, 12345};
    EXPECT_TRUE(CalcCandidateWindowPosition(c.text, c.workArea, c.window, &at)) << c.name;
    EXPECT_EQ(at.x, c.expected.x) << c.name;
    EXPECT_EQ(at.y, c.expected.y) << c.name;
  }
}

TEST(CalcCandidateWindowPosition, PlacesBelowAboveOrPushedInsideTheWorkArea) {
  const Case cases[] = {
      {"below the text", {100, 100, 150, 120}, kWorkArea, kWindow, {100, 120}},
      {"touching the bottom edge still fits", {100, 720, 150, 740}, kWorkArea, kWindow, {100, 740}},
      {"above the text near the bottom", {100, 900, 150, 920}, kWorkArea, kWindow, {100, 600}},
      {"pushed in at the right edge", {1800, 100, 1850, 120}, kWorkArea, kWindow, {1720, 120}},
      {"above and pushed in at the bottom right", {1800, 900, 1850, 920}, kWorkArea, kWindow,
       {1720, 600}},
      {"monitor left of the primary one", {-2000, 100, -1990, 120}, {-1920, 0, 0, 1040}, kWindow,
       {-1920, 120}},
      {"text inside that monitor", {-1500, 100, -1450, 120}, {-1920, 0, 0, 1040}, kWindow,
       {-1500, 120}},
      // Fits neither below nor above: pinned to the work area's bottom.
      {"taller than either side", {100, 500, 150, 520}, kWorkArea, {0, 0, 200, 600}, {100, 440}},
      {"text above the work area", {100, -400, 150, -380}, kWorkArea, kWindow, {100, 0}},
  };
  ExpectPlacements(cases);
}

TEST(CalcCandidateWindowPosition, OversizedWindowStaysAtTheTextWithItsStartOnTheScreen) {
  const Case cases[] = {
      // Wider than the work area: below the text, its left edge (the labels)
      // on the screen, not pushed out past the left edge or down to the
      // bottom of the screen.
      {"wider, text inside", {100, 100, 150, 120}, kWorkArea, {0, 0, 2500, 300}, {0, 120}},
      {"wider, text starting left of the area", {-50, 100, 0, 120}, kWorkArea, {0, 0, 2500, 300},
       {0, 120}},
      // Taller than the work area: its first rows stay on the screen.
      {"taller", {100, 100, 150, 120}, kWorkArea, {0, 0, 200, 1200}, {100, 0}},
      {"wider and taller", {100, 100, 150, 120}, kWorkArea, {0, 0, 2500, 1200}, {0, 0}},
  };
  ExpectPlacements(cases);
}

TEST(CalcCandidateWindowPosition, ExtremeRectanglesNeitherOverflowNorFail) {
  constexpr LONG kMax = std::numeric_limits<LONG>::max();
  constexpr LONG kMin = std::numeric_limits<LONG>::min();
  POINT at{};
  EXPECT_TRUE(CalcCandidateWindowPosition({kMax, kMax, kMax, kMax}, kWorkArea, kWindow, &at));
  EXPECT_EQ(at.x, 1720);
  EXPECT_EQ(at.y, 740);
  EXPECT_TRUE(CalcCandidateWindowPosition({kMin, kMin, kMin, kMin}, kWorkArea, kWindow, &at));
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, 0);
  EXPECT_FALSE(CalcCandidateWindowPosition(kWorkArea, kWorkArea, kWindow, nullptr));
}

}  // namespace
