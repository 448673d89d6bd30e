// Text laid out in a GDI+ layout box by GDI+'s rules (GdiplusFlat.h says
// which), with pango shaping each line: what MeasureString reports and
// DrawString draws come from the same layout, so they always agree.
// Make, read and draw it while holding FontCatalog's lock.
#pragma once

#include <pango/pangocairo.h>

#include <string_view>
#include <vector>

#include "Platform.h"
#include "gdiplus/Font.h"
#include "gdiplus/StringFormat.h"

namespace platform {

class TextLayout {
 public:
  TextLayout(std::u16string_view text, const Font& font, int dpi, Gdiplus::TextRenderingHint hint,
             const Gdiplus::RectF& box, const StringFormat& format);
  ~TextLayout();
  TextLayout(const TextLayout&) = delete;
  TextLayout& operator=(const TextLayout&) = delete;

  // The box the laid-out lines take, within the layout box where it bounds.
  const Gdiplus::RectF& Measured() const { return measured_; }
  // UTF-16 units on the lines laid out, before any ellipsis.
  int UnitsFitted() const { return unitsFitted_; }
  int LinesFilled() const { return static_cast<int>(lines_.size()); }

  void Draw(cairo_t* cairo, Gdiplus::ARGB color) const;

 private:
  struct Line {
    PangoLayoutLine* line;
    double x;         // where the line's logical box starts
    double baseline;
  };

  void Place(double lineHeight, double ascent, double pad);
  int UnitAt(int byteIndex) const;

  std::string utf8_;
  std::vector<int> unitOfByte_;  // utf8_.size() + 1 entries
  Gdiplus::RectF box_;
  int flags_;
  Gdiplus::StringAlignment align_;
  Gdiplus::StringAlignment lineAlign_;
  PangoLayout* layout_ = nullptr;
  std::vector<Line> lines_;
  Gdiplus::RectF measured_;
  int unitsFitted_ = 0;
};

}  // namespace platform
