// String formats, and measuring and drawing text.
#include "Platform.h"
#include "gdiplus/DeleteCall.h"
#include "gdiplus/FlatCall.h"
#include "gdiplus/Font.h"
#include "gdiplus/FontCatalog.h"
#include "gdiplus/Graphics.h"
#include "gdiplus/ObjectRegistry.h"
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

// What MeasureString and DrawString share: the objects, the text, the
// layout; draw is called with the layout and the graphics under the font
// catalog's lock.
template <typename Use>
Status WithLayout(FlatCall& call, GpGraphics* graphics, const WCHAR* text, INT length,
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
  platform::TextLayout layout(units, *typeface, target->Dpi(), target->textHint, *box, *settings);
  return use(*target, layout);
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
    return WithLayout(call, graphics, text, length, font, layoutRect, format,
                      [&](Graphics& target, const platform::TextLayout& layout) {
                        layout.Draw(target.Begin(), fill->color);
                        target.End();
                        return Ok;
                      });
  });
}

}  // namespace DllExports
}  // namespace Gdiplus
