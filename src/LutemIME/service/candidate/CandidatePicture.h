#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Platform.h"
#include "common/ThemeColors.h"

// Everything a paint of the candidate window draws from: two paints with
// equal records draw the same pixels, so the second one need not be drawn
// or handed to the screen. A row holds its candidate only as far as it is
// laid out (whole, or the prefix a long one is cut at), since nothing past
// that shows.
struct CandidatePicture {
  struct Row {
    bool hasLabel = false;
    unsigned long label = 0;
    std::u16string shown;
    bool cut = false;
    bool operator==(const Row& other) const {
      return hasLabel == other.hasLabel && label == other.label && shown == other.shown &&
             cut == other.cut;
    }
  };

  bool known = false;  // false: nothing is known to be on the screen
  HWND window = nullptr;
  int width = 0;
  int height = 0;
  UINT dpi = 0;
  uint64_t font = 0;  // the window's font, numbered as it is made
  bool background = false;
  ThemeColors colors;
  UINT itemHeight = 0;
  UINT pageCount = 0;
  UINT page = 0;
  bool hasPage = false;
  UINT first = 0;
  UINT selection = 0;
  bool wholeText = false;
  std::vector<Row> rows;

  bool operator==(const CandidatePicture& other) const {
    return known == other.known && window == other.window && width == other.width &&
           height == other.height && dpi == other.dpi && font == other.font &&
           background == other.background && colors == other.colors &&
           itemHeight == other.itemHeight && pageCount == other.pageCount &&
           page == other.page && hasPage == other.hasPage && first == other.first &&
           selection == other.selection && wholeText == other.wholeText && rows == other.rows;
  }
  bool operator!=(const CandidatePicture& other) const { return !(*this == other); }
};
