#include "gdiplus/TextLayout.h"

#include <algorithm>
#include <cmath>

#include "gdiplus/FontCatalog.h"
#include "gdiplus/SolidFill.h"

namespace platform {

namespace {

// UTF-8 of text, with the UTF-16 unit at which each byte's character starts;
// a lone surrogate becomes U+FFFD.
void ToUtf8(std::u16string_view text, std::string* utf8, std::vector<int>* unitOfByte) {
  for (size_t i = 0; i < text.size();) {
    uint32_t c = text[i];
    size_t units = 1;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      units = 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    char bytes[4];
    size_t n;
    if (c < 0x80) {
      bytes[0] = static_cast<char>(c);
      n = 1;
    } else if (c < 0x800) {
      bytes[0] = static_cast<char>(0xC0 | (c >> 6));
      bytes[1] = static_cast<char>(0x80 | (c & 0x3F));
      n = 2;
    } else if (c < 0x10000) {
      bytes[0] = static_cast<char>(0xE0 | (c >> 12));
      bytes[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes[2] = static_cast<char>(0x80 | (c & 0x3F));
      n = 3;
    } else {
      bytes[0] = static_cast<char>(0xF0 | (c >> 18));
      bytes[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      bytes[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes[3] = static_cast<char>(0x80 | (c & 0x3F));
      n = 4;
    }
    utf8->append(bytes, n);
    unitOfByte->insert(unitOfByte->end(), n, static_cast<int>(i));
    i += units;
  }
  unitOfByte->push_back(static_cast<int>(text.size()));
}

double LineWidth(PangoLayoutLine* line, double* logicalX) {
  PangoRectangle logical;
  pango_layout_line_get_extents(line, nullptr, &logical);
  *logicalX = logical.x / double(PANGO_SCALE);
  return logical.width / double(PANGO_SCALE);
}

}  // namespace

TextLayout::TextLayout(std::u16string_view text, const Font& font, int dpi,
                       Gdiplus::TextRenderingHint hint, const Gdiplus::RectF& box,
                       const StringFormat& format)
    : box_(box), flags_(format.flags), align_(format.align), lineAlign_(format.lineAlign) {
  measured_ = Gdiplus::RectF(box.X, box.Y, 0, 0);
  if (text.empty()) return;
  ToUtf8(text, &utf8_, &unitOfByte_);
  FontCatalog& catalog = FontCatalog::Instance();
  double em = font.PixelSize(dpi);
  FaceMetrics metrics = catalog.Metrics(font.face, font.style, em, hint);
  double pad = em / 6;

  bool widthBounded = box.Width > 0;
  bool wrap = widthBounded && !(flags_ & Gdiplus::StringFormatFlagsNoWrap);
  double inner = std::max(0.0, box.Width - 2 * pad);
  layout_ = catalog.Shaped(utf8_, font.face, font.style, em, hint, -1);
  if (wrap) {
    // One line that fits is laid out the same wrapped or not: the unwrapped
    // layout, which measuring made already, serves the drawing too.
    double unusedX;
    bool fits = pango_layout_get_line_count(layout_) == 1 &&
                LineWidth(pango_layout_get_line_readonly(layout_, 0), &unusedX) <= inner;
    if (!fits) {
      g_object_unref(layout_);
      layout_ = catalog.Shaped(utf8_, font.face, font.style, em, hint,
                               static_cast<int>(inner * PANGO_SCALE));
    }
  }
  int total = pango_layout_get_line_count(layout_);
  int kept = total;
  if (box.Height > 0 && metrics.height > 0) {
    double fit = box.Height / metrics.height;
    // Lines whose top lies in the box; whole lines only with LineLimit.
    int limit = (flags_ & Gdiplus::StringFormatFlagsLineLimit)
                    ? static_cast<int>(std::floor(fit + 1e-6))
                    : static_cast<int>(std::ceil(fit - 1e-6));
    kept = std::min(total, std::max(0, limit));
  }
  if (kept == 0) return;

  PangoLayoutLine* last = pango_layout_get_line_readonly(layout_, kept - 1);
  double lastX;
  bool tooWide = widthBounded && !wrap && LineWidth(last, &lastX) > inner;
  int endByte = last->start_index + last->length;
  if (tooWide) {
    int index = 0, trailing = 0;
    pango_layout_line_x_to_index(last, static_cast<int>(inner * PANGO_SCALE), &index, &trailing);
    endByte = index;
  }
  unitsFitted_ = UnitAt(endByte);

  bool leftOver = kept < total || tooWide;
  Gdiplus::StringTrimming trimming = format.trimming;
  bool ellipsis = trimming == Gdiplus::StringTrimmingEllipsisCharacter ||
                  trimming == Gdiplus::StringTrimmingEllipsisWord ||
                  trimming == Gdiplus::StringTrimmingEllipsisPath;
  if (leftOver && ellipsis && widthBounded) {
    // The shared layout stays as it is: the ellipsis goes on another one,
    // kept as well.
    g_object_unref(layout_);
    layout_ = catalog.Ellipsized(
        utf8_, font.face, font.style, em, hint, wrap ? static_cast<int>(inner * PANGO_SCALE) : -1,
        trimming == Gdiplus::StringTrimmingEllipsisPath ? PANGO_ELLIPSIZE_MIDDLE
                                                        : PANGO_ELLIPSIZE_END,
        static_cast<int>(inner * PANGO_SCALE), wrap ? -kept : -1);
    kept = std::min(kept, pango_layout_get_line_count(layout_));
  }
  for (int i = 0; i < kept; ++i) {
    lines_.push_back({pango_layout_get_line_readonly(layout_, i), 0, 0});
  }
  Place(metrics.height, metrics.ascent, pad);
}

TextLayout::~TextLayout() {
  if (layout_ != nullptr) g_object_unref(layout_);
}

int TextLayout::UnitAt(int byteIndex) const {
  if (byteIndex < 0) return 0;
  if (static_cast<size_t>(byteIndex) >= unitOfByte_.size()) return unitOfByte_.back();
  return unitOfByte_[byteIndex];
}

void TextLayout::Place(double lineHeight, double ascent, double pad) {
  double blockHeight = lineHeight * lines_.size();
  double top = box_.Y;
  if (lineAlign_ == Gdiplus::StringAlignmentCenter) {
    top = box_.Height > 0 ? box_.Y + (box_.Height - blockHeight) / 2 : box_.Y - blockHeight / 2;
  } else if (lineAlign_ == Gdiplus::StringAlignmentFar) {
    top = box_.Height > 0 ? box_.Y + box_.Height - blockHeight : box_.Y - blockHeight;
  }
  double left = 0, right = 0;
  for (size_t i = 0; i < lines_.size(); ++i) {
    double logicalX;
    double width = LineWidth(lines_[i].line, &logicalX);
    double x;
    if (align_ == Gdiplus::StringAlignmentCenter) {
      x = box_.Width > 0 ? box_.X + (box_.Width - width) / 2 : box_.X - width / 2;
    } else if (align_ == Gdiplus::StringAlignmentFar) {
      x = (box_.Width > 0 ? box_.X + box_.Width : box_.X) - pad - width;
    } else {
      x = box_.X + pad;
    }
    lines_[i].x = x - logicalX;
    lines_[i].baseline = top + lineHeight * i + ascent;
    left = i == 0 ? x - pad : std::min(left, x - pad);
    right = i == 0 ? x + width + pad : std::max(right, x + width + pad);
  }
  double bottom = top + blockHeight;
  // The reported box never leaves the layout box where that box bounds.
  if (box_.Width > 0) {
    left = std::max(left, static_cast<double>(box_.X));
    right = std::min(right, static_cast<double>(box_.X + box_.Width));
  }
  if (box_.Height > 0) {
    top = std::max(top, static_cast<double>(box_.Y));
    bottom = std::min(bottom, static_cast<double>(box_.Y + box_.Height));
  }
  measured_ = Gdiplus::RectF(static_cast<float>(left), static_cast<float>(top),
                             static_cast<float>(std::max(0.0, right - left)),
                             static_cast<float>(std::max(0.0, bottom - top)));
}

void TextLayout::Draw(cairo_t* cairo, Gdiplus::ARGB color) const {
  if (lines_.empty()) return;
  cairo_save(cairo);
  bool clipWidth = box_.Width > 0, clipHeight = box_.Height > 0;
  if (!(flags_ & Gdiplus::StringFormatFlagsNoClip) && (clipWidth || clipHeight)) {
    constexpr double kFar = 1e7;
    cairo_rectangle(cairo, clipWidth ? box_.X : -kFar, clipHeight ? box_.Y : -kFar,
                    clipWidth ? box_.Width : 2 * kFar, clipHeight ? box_.Height : 2 * kFar);
    cairo_clip(cairo);
  }
  SetCairoColor(cairo, color);
  for (const Line& line : lines_) {
    cairo_move_to(cairo, line.x, line.baseline);
    pango_cairo_show_layout_line(cairo, line.line);
  }
  cairo_restore(cairo);
}

}  // namespace platform
