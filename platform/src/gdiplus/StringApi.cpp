// String formats, and measuring and drawing text.
#include <algorithm>
#include <cmath>
#include <string>

#include "Platform.h"
#include "gdiplus/DeleteCall.h"
#include "gdiplus/FlatCall.h"
#include "gdiplus/Font.h"
#include "gdiplus/FontCatalog.h"
#include "gdiplus/Graphics.h"
#include "gdiplus/ObjectRegistry.h"
#include "gdiplus/ShapeMemo.h"
#include "gdiplus/SolidFill.h"
#include "gdiplus/StringFormat.h"
#include "gdiplus/TextLayout.h"

using namespace Gdiplus;
using platform::FlatCall;
using platform::FontCatalog;
using platform::Graphics;
using platform::IdOf;
using platform::ObjectRegistry;
using platform::StringFormat;

namespace {

GpStatus SetFormatField(const char* name, GpStringFormat* format, int value, int highest,
                        void (*apply)(StringFormat&, int)) {
  FlatCall call(name);
  call.record.object = IdOf(format);
  call.record.options = {value};
  return call.Run([&] {
    auto found = ObjectRegistry::Instance().Find<StringFormat>(format);
    if (!found || value < 0 || value > highest) return InvalidParameter;
    apply(*found, value);
    return Ok;
  });
}

// What MeasureString and DrawString share: the objects and the text, handed
// to use under the font catalog's lock.
template <typename Use>
Status WithText(FlatCall& call, GpGraphics* graphics, const WCHAR* text, INT length,
                const GpFont* font, const RectF* box, const GpStringFormat* format, Use use) {
  call.record.graphics = IdOf(graphics);
  auto target = ObjectRegistry::Instance().Find<Graphics>(graphics);
  auto typeface = ObjectRegistry::Instance().Find<platform::Font>(font);
  std::shared_ptr<StringFormat> settings =
      format == nullptr ? std::make_shared<StringFormat>()
                        : ObjectRegistry::Instance().Find<StringFormat>(format);
  if (!target || !typeface || !settings || text == nullptr || box == nullptr || length < -1) {
    return InvalidParameter;
  }
  std::u16string_view units(AsChar16(text),
                            length == -1 ? std::char_traits<char16_t>::length(AsChar16(text))
                                         : static_cast<size_t>(length));
  if (call.Recording()) {
    call.record.text = std::u16string(units);
    call.record.values = {box->X, box->Y, box->Width, box->Height};
    call.record.font = typeface->Record(target->Dpi());
    call.record.format = settings->Record();
  }
  FontCatalog& catalog = FontCatalog::Instance();
  std::lock_guard<std::recursive_mutex> hold(catalog.Lock());
  return use(*target, *typeface, *settings, units);
}

// The same with the text laid out.
template <typename Use>
Status WithLayout(FlatCall& call, GpGraphics* graphics, const WCHAR* text, INT length,
                  const GpFont* font, const RectF* box, const GpStringFormat* format, Use use) {
  return WithText(call, graphics, text, length, font, box, format,
                  [&](Graphics& target, const platform::Font& typeface,
                      const StringFormat& settings, std::u16string_view units) {
                    platform::TextLayout layout(units, typeface, target.Dpi(), target.textHint,
                                                *box, settings);
                    return use(target, layout);
                  });
}

template <typename T>
void Append(std::string* key, const T& value) {
  key->append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Text drawn where it was drawn before, in the same colour over the same
// pixels, is written from the memo of drawings (ShapeMemo.h): a window
// draws its labels and most of its candidates again at every paint. Text
// that may draw outside its box (NoClip, no box) is always laid out.
void DrawText(Graphics& target, const platform::Font& typeface, const StringFormat& settings,
              std::u16string_view units, const RectF& box, ARGB color) {
  auto layOut = [&] {
    return platform::TextLayout(units, typeface, target.Dpi(), target.textHint, box, settings);
  };
  cairo_t* cairo = target.Begin();
  cairo_surface_t* surface = target.BitmapSurface();
  if (surface == nullptr || (settings.flags & StringFormatFlagsNoClip) || !(box.Width > 0) ||
      !(box.Height > 0)) {
    layOut().Draw(cairo, color);
    target.End();
    return;
  }
  std::string key = "text";
  Append(&key, cairo_image_surface_get_width(surface));
  Append(&key, cairo_image_surface_get_height(surface));
  Append(&key, cairo_image_surface_get_stride(surface));
  cairo_matrix_t matrix;
  cairo_get_matrix(cairo, &matrix);
  Append(&key, matrix);
  Append(&key, cairo_get_antialias(cairo));
  Append(&key, color);
  Append(&key, box);
  Append(&key, static_cast<int>(target.textHint));
  Append(&key, typeface.PixelSize(target.Dpi()));
  Append(&key, typeface.style);
  Append(&key, settings.flags);
  Append(&key, settings.align);
  Append(&key, settings.lineAlign);
  Append(&key, settings.trimming);
  key += typeface.face;
  key += '\0';
  key.append(reinterpret_cast<const char*>(units.data()), units.size() * sizeof(char16_t));
  // The box in pixels, a pixel wider on each side for its antialiased edge.
  double x0 = box.X, y0 = box.Y, x1 = box.X + box.Width, y1 = box.Y + box.Height;
  cairo_user_to_device(cairo, &x0, &y0);
  cairo_user_to_device(cairo, &x1, &y1);
  const int left = static_cast<int>(std::floor(std::min(x0, x1))) - 1;
  const int top = static_cast<int>(std::floor(std::min(y0, y1))) - 1;
  const int right = static_cast<int>(std::ceil(std::max(x0, x1))) + 1;
  const int bottom = static_cast<int>(std::ceil(std::max(y0, y1))) + 1;
  platform::ShapeMemo::Paint(
      key, surface, left, top, right - left, bottom - top,
      [&](cairo_t* masking) {
        cairo_set_matrix(masking, &matrix);
        cairo_set_antialias(masking, cairo_get_antialias(cairo));
        layOut().Draw(masking, 0xFFFFFFFF);
        return true;
      },
      [&] { layOut().Draw(cairo, color); });
  target.End();
}

}  // namespace

namespace Gdiplus {
namespace DllExports {

GpStatus WINGDIPAPI GdipCreateStringFormat(INT formatAttributes, LANGID language,
                                           GpStringFormat** format) {
  FlatCall call("GdipCreateStringFormat", OutOfMemory);
  call.record.options = {formatAttributes, language};
  return call.Run([&] {
    if (format == nullptr) return InvalidParameter;
    *format = ObjectRegistry::Instance().Add(std::make_shared<StringFormat>(formatAttributes));
    call.record.object = IdOf(*format);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* format) {
  return platform::DeleteCall<StringFormat>("GdipDeleteStringFormat", format);
}

GpStatus WINGDIPAPI GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align) {
  return SetFormatField("GdipSetStringFormatAlign", format, align, StringAlignmentFar,
                        [](StringFormat& f, int v) { f.align = static_cast<StringAlignment>(v); });
}

GpStatus WINGDIPAPI GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align) {
  return SetFormatField("GdipSetStringFormatLineAlign", format, align, StringAlignmentFar,
                        [](StringFormat& f, int v) { f.lineAlign = static_cast<StringAlignment>(v); });
}

GpStatus WINGDIPAPI GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming) {
  return SetFormatField("GdipSetStringFormatTrimming", format, trimming, StringTrimmingEllipsisPath,
                        [](StringFormat& f, int v) { f.trimming = static_cast<StringTrimming>(v); });
}

GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* graphics, GDIPCONST WCHAR* text, INT length,
                                      GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                      GDIPCONST GpStringFormat* format, RectF* boundingBox,
                                      INT* codepointsFitted, INT* linesFilled) {
  FlatCall call("GdipMeasureString");
  return call.Run([&] {
    if (boundingBox == nullptr) return InvalidParameter;
    return WithLayout(call, graphics, text, length, font, layoutRect, format,
                      [&](Graphics&, const platform::TextLayout& layout) {
                        *boundingBox = layout.Measured();
                        if (codepointsFitted != nullptr) *codepointsFitted = layout.UnitsFitted();
                        if (linesFilled != nullptr) *linesFilled = layout.LinesFilled();
                        call.record.results = {boundingBox->X, boundingBox->Y, boundingBox->Width,
                                               boundingBox->Height,
                                               static_cast<float>(layout.UnitsFitted()),
                                               static_cast<float>(layout.LinesFilled())};
                        return Ok;
                      });
  });
}

GpStatus WINGDIPAPI GdipDrawString(GpGraphics* graphics, GDIPCONST WCHAR* text, INT length,
                                   GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                   GDIPCONST GpStringFormat* format, GDIPCONST GpBrush* brush) {
  FlatCall call("GdipDrawString");
  call.record.object = IdOf(brush);
  return call.Run([&] {
    auto fill = ObjectRegistry::Instance().Find<platform::SolidFill>(brush);
    if (!fill) return InvalidParameter;
    call.record.color = fill->color;
    return WithText(call, graphics, text, length, font, layoutRect, format,
                    [&](Graphics& target, const platform::Font& typeface,
                        const StringFormat& settings, std::u16string_view units) {
                      DrawText(target, typeface, settings, units, *layoutRect, fill->color);
                      return Ok;
                    });
  });
}

}  // namespace DllExports
}  // namespace Gdiplus
