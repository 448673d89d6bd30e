// Font families and fonts.
#include <cmath>

#include "Platform.h"
#include "common/HostText.h"
#include "gdiplus/DeleteCall.h"
#include "gdiplus/FlatCall.h"
#include "gdiplus/Font.h"
#include "gdiplus/FontCatalog.h"
#include "gdiplus/FontFamily.h"
#include "gdiplus/Graphics.h"
#include "gdiplus/ObjectRegistry.h"

using namespace Gdiplus;
using platform::FlatCall;
using platform::FontCatalog;
using platform::FontFamily;
using platform::IdOf;
using platform::ObjectRegistry;

namespace {

// The generic sans-serif family: one object for the process, outside the
// registry, so it is neither deleted nor reported as a leak.
const std::shared_ptr<FontFamily>& GenericSansSerif() {
  static const std::shared_ptr<FontFamily>* family =
      new std::shared_ptr<FontFamily>(std::make_shared<FontFamily>(u"", FontCatalog::GenericSansSerif()));
  return *family;
}

std::shared_ptr<FontFamily> FindFamily(const void* family) {
  if (family != nullptr && family == static_cast<GpFontFamily*>(GenericSansSerif().get())) {
    return GenericSansSerif();
  }
  return ObjectRegistry::Instance().Find<FontFamily>(family);
}

}  // namespace

namespace Gdiplus {
namespace DllExports {

GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(GDIPCONST WCHAR* name, GpFontCollection* collection,
                                                 GpFontFamily** family) {
  FlatCall call("GdipCreateFontFamilyFromName", OutOfMemory);
  if (name != nullptr) call.record.text = AsChar16(name);
  return call.Run([&] {
    if (name == nullptr || family == nullptr) return InvalidParameter;
    *family = nullptr;
    if (collection != nullptr) return NotImplemented;
    std::string face = FontCatalog::Instance().FaceFor(platform::Utf8FromWide(AsChar16(name)));
    if (face.empty()) return FontFamilyNotFound;
    *family = ObjectRegistry::Instance().Add(
        std::make_shared<FontFamily>(std::u16string(AsChar16(name)), face));
    call.record.object = IdOf(*family);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** family) {
  FlatCall call("GdipGetGenericFontFamilySansSerif", OutOfMemory);
  return call.Run([&] {
    if (family == nullptr) return InvalidParameter;
    *family = GenericSansSerif().get();
    call.record.object = IdOf(*family);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* family) {
  FlatCall call("GdipDeleteFontFamily");
  call.record.object = IdOf(family);
  return call.Run([&] {
    if (family != nullptr && family == static_cast<GpFontFamily*>(GenericSansSerif().get())) return Ok;
    return ObjectRegistry::Instance().Remove<FontFamily>(family) ? Ok : InvalidParameter;
  });
}

GpStatus WINGDIPAPI GdipCreateFont(GDIPCONST GpFontFamily* family, REAL emSize, INT style, Unit unit,
                                   GpFont** font) {
  FlatCall call("GdipCreateFont", OutOfMemory);
  call.record.object = IdOf(family);
  call.record.values = {emSize};
  call.record.options = {style, unit};
  return call.Run([&] {
    if (font == nullptr) return InvalidParameter;
    *font = nullptr;
    auto found = FindFamily(family);
    // Fonts are measured in units of length; world and display units are not.
    if (!found || !std::isfinite(emSize) || emSize <= 0 || style < 0 || style > 15 ||
        unit < UnitPixel || unit > UnitMillimeter) {
      return InvalidParameter;
    }
    *font = ObjectRegistry::Instance().Add(
        std::make_shared<platform::Font>(found->name, found->face, emSize, style, unit));
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeleteFont(GpFont* font) {
  return platform::DeleteCall<platform::Font>("GdipDeleteFont", font);
}

GpStatus WINGDIPAPI GdipGetFontHeight(GDIPCONST GpFont* font, GDIPCONST GpGraphics* graphics,
                                      REAL* height) {
  FlatCall call("GdipGetFontHeight");
  call.record.graphics = IdOf(graphics);
  call.record.object = IdOf(font);
  return call.Run([&] {
    auto found = ObjectRegistry::Instance().Find<platform::Font>(font);
    if (!found || height == nullptr) return InvalidParameter;
    TextRenderingHint hint = TextRenderingHintSystemDefault;
    int dpi = 96;
    if (graphics != nullptr) {
      auto target = ObjectRegistry::Instance().Find<platform::Graphics>(graphics);
      if (!target) return InvalidParameter;
      hint = target->textHint;
      dpi = target->Dpi();
    }
    FontCatalog& catalog = FontCatalog::Instance();
    std::lock_guard<std::recursive_mutex> hold(catalog.Lock());
    *height = static_cast<REAL>(
        catalog.Metrics(found->face, found->style, found->PixelSize(dpi), hint).height);
    call.record.font = found->Record(dpi);
    call.record.results = {*height};
    return Ok;
  });
}

}  // namespace DllExports
}  // namespace Gdiplus
