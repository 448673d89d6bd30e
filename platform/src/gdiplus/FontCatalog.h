// The fonts GDI+ draws with. Which families are installed must not depend on
// the machine, so the stand-in keeps a fontconfig configuration of its own
// that holds only these font files from Debian's packages (scripts/
// packages.txt): fonts-dejavu-core's DejaVu Sans, Sans Mono and Serif
// (regular and bold) and fonts-lohit-beng-bengali's Lohit Bengali. Pango
// draws from that configuration alone, so a character that a family lacks
// (Bengali in DejaVu Sans) always falls back to Lohit Bengali.
// Pango's font map is not thread-safe: every use of it holds Lock().
#pragma once

#include <pango/pangocairo.h>

#include <list>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>

#include "Platform.h"

namespace platform {

struct FaceMetrics {
  double ascent = 0;
  double descent = 0;
  // Line spacing: ascent + descent + line gap.
  double height = 0;
};

class FontCatalog {
 public:
  static FontCatalog& Instance();

  std::recursive_mutex& Lock() { return lock_; }

  // The family drawn for a family name asked for (matched without regard to
  // case), or "" when no such family is installed.
  std::string FaceFor(const std::string& utf8Name);
  static const char* GenericSansSerif() { return "DejaVu Sans"; }

  // A context that lays text out with the antialiasing and metric rounding
  // of hint; owned by the catalog. Needs Lock().
  PangoContext* Context(Gdiplus::TextRenderingHint hint);
  // A description of face at a size in pixels. Free with
  // pango_font_description_free.
  static PangoFontDescription* Describe(const std::string& face, int style, double pixelSize);
  // The metrics of face itself (not of a fallback) in pixels. Needs Lock().
  FaceMetrics Metrics(const std::string& face, int style, double pixelSize,
                      Gdiplus::TextRenderingHint hint);
  // utf8 laid out in face at a size in pixels, wrapped at wrapWidth pango
  // units (-1: not wrapped); a new reference, which the caller must not
  // change (copy it first). GDI+ keeps shaped runs and glyphs between calls;
  // pango's itemising and font fallback cost far more than Windows' shaping,
  // and a window measures and draws the same strings again and again, so the
  // most recently used layouts are kept. Needs Lock().
  PangoLayout* Shaped(const std::string& utf8, const std::string& face, int style,
                      double pixelSize, Gdiplus::TextRenderingHint hint, int wrapWidth);
  // Shaped's layout cut with an ellipsis (mode) to width pango units and
  // height (pango's: negative is a count of lines), kept the same way: a
  // window draws the same cut text at every paint.
  PangoLayout* Ellipsized(const std::string& utf8, const std::string& face, int style,
                          double pixelSize, Gdiplus::TextRenderingHint hint, int wrapWidth,
                          PangoEllipsizeMode mode, int width, int height);

 private:
  FontCatalog();

  struct ShapedKey {
    std::string utf8;
    std::string face;
    int style;
    double pixelSize;
    int hint;
    int wrapWidth;
    int ellipsize = PANGO_ELLIPSIZE_NONE;
    int ellipsisWidth = -1;
    int height = -1;
    bool operator==(const ShapedKey& other) const;
  };
  struct ShapedKeyHash {
    size_t operator()(const ShapedKey& key) const;
  };
  using ShapedList = std::list<std::pair<ShapedKey, PangoLayout*>>;

  // The layout kept for key, made and kept when there is none; a new
  // reference.
  PangoLayout* Kept(ShapedKey key);

  std::recursive_mutex lock_;
  PangoFontMap* fontMap_ = nullptr;
  std::map<int, PangoContext*> contexts_;
  std::map<std::string, std::string> faces_;  // folded name asked for: face, or ""
  std::map<std::tuple<std::string, int, double, int>, FaceMetrics> metrics_;
  ShapedList shaped_;  // most recently used first
  std::unordered_map<ShapedKey, ShapedList::iterator, ShapedKeyHash> shapedIndex_;
};

}  // namespace platform
