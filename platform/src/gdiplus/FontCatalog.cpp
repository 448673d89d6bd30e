#include "gdiplus/FontCatalog.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangofc-fontmap.h>

#include <cctype>
#include <functional>

namespace platform {

namespace {

const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
    "/usr/share/fonts/truetype/lohit-bengali/Lohit-Bengali.ttf",
};

// Families every Windows has, drawn with an installed family of ours.
struct Alias {
  const char* name;
  const char* face;
};
const Alias kAliases[] = {{"Segoe UI", "DejaVu Sans"}};

// Enough for every string a few windows show at once, with their labels.
constexpr size_t kShapedKept = 512;

std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

FontCatalog& FontCatalog::Instance() {
  static FontCatalog* catalog = new FontCatalog;  // used until the process ends
  return *catalog;
}

FontCatalog::FontCatalog() {
  FcConfig* config = FcConfigCreate();
  for (const char* file : kFontFiles) {
    FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file));
  }
  fontMap_ = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
  pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap_), config);
  FcConfigDestroy(config);
}

std::string FontCatalog::FaceFor(const std::string& utf8Name) {
  std::string wanted = Folded(utf8Name);
  for (const Alias& alias : kAliases) {
    if (Folded(alias.name) == wanted) return alias.face;
  }
  std::lock_guard<std::recursive_mutex> hold(lock_);
  // The set of families is the catalog's own and never changes: a name is
  // looked up once (every candidate window asks for its face when made).
  auto known = faces_.find(wanted);
  if (known != faces_.end()) return known->second;
  PangoFontFamily** families = nullptr;
  int count = 0;
  pango_font_map_list_families(fontMap_, &families, &count);
  std::string face;
  for (int i = 0; i < count && face.empty(); ++i) {
    const char* name = pango_font_family_get_name(families[i]);
    if (Folded(name) == wanted) face = name;
  }
  g_free(families);
  faces_[wanted] = face;
  return face;
}

PangoContext* FontCatalog::Context(Gdiplus::TextRenderingHint hint) {
  auto found = contexts_.find(hint);
  if (found != contexts_.end()) return found->second;
  PangoContext* context = pango_font_map_create_context(fontMap_);
  cairo_font_options_t* options = cairo_font_options_create();
  bool bilevel = hint == Gdiplus::TextRenderingHintSingleBitPerPixel ||
                 hint == Gdiplus::TextRenderingHintSingleBitPerPixelGridFit;
  bool gridFit = hint == Gdiplus::TextRenderingHintSingleBitPerPixelGridFit ||
                 hint == Gdiplus::TextRenderingHintAntiAliasGridFit ||
                 hint == Gdiplus::TextRenderingHintClearTypeGridFit;
  cairo_font_options_set_antialias(options, bilevel ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, gridFit ? CAIRO_HINT_METRICS_ON : CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, gridFit ? CAIRO_HINT_STYLE_SLIGHT : CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  pango_cairo_context_set_resolution(context, 96);
  // Lines are placed by GDI+'s rule, not pango's; the language only picks
  // the fallback order, which the stand-in's small font set settles anyway.
  pango_context_set_language(context, pango_language_from_string("en"));
  contexts_[hint] = context;
  return context;
}

PangoFontDescription* FontCatalog::Describe(const std::string& face, int style, double pixelSize) {
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, face.c_str());
  pango_font_description_set_weight(description, (style & Gdiplus::FontStyleBold) ? PANGO_WEIGHT_BOLD
                                                                                  : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(description, (style & Gdiplus::FontStyleItalic) ? PANGO_STYLE_ITALIC
                                                                                   : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(description, pixelSize * PANGO_SCALE);
  return description;
}

FaceMetrics FontCatalog::Metrics(const std::string& face, int style, double pixelSize,
                                 Gdiplus::TextRenderingHint hint) {
  auto key = std::make_tuple(face, style & Gdiplus::FontStyleBoldItalic, pixelSize, static_cast<int>(hint));
  auto found = metrics_.find(key);
  if (found != metrics_.end()) return found->second;
  FaceMetrics metrics;
  PangoContext* context = Context(hint);
  PangoFontDescription* description = Describe(face, style, pixelSize);
  PangoFont* font = pango_font_map_load_font(fontMap_, context, description);
  pango_font_description_free(description);
  if (font != nullptr) {
    PangoFontMetrics* measured = pango_font_get_metrics(font, nullptr);
    metrics.ascent = pango_font_metrics_get_ascent(measured) / double(PANGO_SCALE);
    metrics.descent = pango_font_metrics_get_descent(measured) / double(PANGO_SCALE);
    metrics.height = pango_font_metrics_get_height(measured) / double(PANGO_SCALE);
    if (metrics.height <= 0) metrics.height = metrics.ascent + metrics.descent;
    pango_font_metrics_unref(measured);
    g_object_unref(font);
  }
  metrics_[key] = metrics;
  return metrics;
}

bool FontCatalog::ShapedKey::operator==(const ShapedKey& other) const {
  return utf8 == other.utf8 && face == other.face && style == other.style &&
         pixelSize == other.pixelSize && hint == other.hint && wrapWidth == other.wrapWidth &&
         ellipsize == other.ellipsize && ellipsisWidth == other.ellipsisWidth &&
         height == other.height;
}

size_t FontCatalog::ShapedKeyHash::operator()(const ShapedKey& key) const {
  size_t hash = std::hash<std::string>()(key.utf8);
  auto mix = [&hash](size_t value) { hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2); };
  mix(std::hash<std::string>()(key.face));
  mix(std::hash<int>()(key.style));
  mix(std::hash<double>()(key.pixelSize));
  mix(std::hash<int>()(key.hint));
  mix(std::hash<int>()(key.wrapWidth));
  mix(std::hash<int>()(key.ellipsize));
  mix(std::hash<int>()(key.ellipsisWidth));
  mix(std::hash<int>()(key.height));
  return hash;
}

PangoLayout* FontCatalog::Shaped(const std::string& utf8, const std::string& face, int style,
                                 double pixelSize, Gdiplus::TextRenderingHint hint,
                                 int wrapWidth) {
  return Kept(ShapedKey{utf8, face, style & Gdiplus::FontStyleBoldItalic, pixelSize,
                        static_cast<int>(hint), wrapWidth});
}

PangoLayout* FontCatalog::Ellipsized(const std::string& utf8, const std::string& face, int style,
                                     double pixelSize, Gdiplus::TextRenderingHint hint,
                                     int wrapWidth, PangoEllipsizeMode mode, int width,
                                     int height) {
  ShapedKey key{utf8, face, style & Gdiplus::FontStyleBoldItalic, pixelSize,
                static_cast<int>(hint), wrapWidth};
  key.ellipsize = mode;
  key.ellipsisWidth = width;
  key.height = height;
  return Kept(std::move(key));
}

PangoLayout* FontCatalog::Kept(ShapedKey key) {
  auto found = shapedIndex_.find(key);
  if (found != shapedIndex_.end()) {
    shaped_.splice(shaped_.begin(), shaped_, found->second);
    return PANGO_LAYOUT(g_object_ref(found->second->second));
  }
  PangoLayout* layout =
      pango_layout_new(Context(static_cast<Gdiplus::TextRenderingHint>(key.hint)));
  PangoFontDescription* description = Describe(key.face, key.style, key.pixelSize);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, key.utf8.data(), static_cast<int>(key.utf8.size()));
  if (key.wrapWidth >= 0) {
    pango_layout_set_width(layout, key.wrapWidth);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  }
  if (key.ellipsize != PANGO_ELLIPSIZE_NONE) {
    pango_layout_set_ellipsize(layout, static_cast<PangoEllipsizeMode>(key.ellipsize));
    pango_layout_set_width(layout, key.ellipsisWidth);
    pango_layout_set_height(layout, key.height);
  }
  // Laid out now, so that every later reader only reads.
  pango_layout_get_line_count(layout);
  shaped_.emplace_front(key, layout);
  shapedIndex_[std::move(key)] = shaped_.begin();
  if (shaped_.size() > kShapedKept) {
    shapedIndex_.erase(shaped_.back().first);
    g_object_unref(shaped_.back().second);
    shaped_.pop_back();
  }
  return PANGO_LAYOUT(g_object_ref(layout));
}

}  // namespace platform
