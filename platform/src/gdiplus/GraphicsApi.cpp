// The graphics calls: making one on a DC, its settings, clearing, bounds.
#include "Platform.h"
#include "gdiplus/DeleteCall.h"
#include "gdiplus/FlatCall.h"
#include "gdiplus/Graphics.h"
#include "gdiplus/ObjectRegistry.h"
#include "gdiplus/SolidFill.h"

using namespace Gdiplus;
using platform::FlatCall;
using platform::Graphics;
using platform::IdOf;
using platform::ObjectRegistry;

namespace {

std::shared_ptr<Graphics> FindGraphics(const void* graphics) {
  return ObjectRegistry::Instance().Find<Graphics>(graphics);
}

// The setters differ only in the field they set and its valid range.
template <typename Mode>
GpStatus SetMode(const char* name, GpGraphics* graphics, Mode mode, int lowest, int highest,
                 Mode Graphics::*field) {
  FlatCall call(name);
  call.record.graphics = IdOf(graphics);
  call.record.options = {static_cast<int>(mode)};
  return call.Run([&] {
    auto found = FindGraphics(graphics);
    if (!found || mode < lowest || mode > highest) return InvalidParameter;
    (*found).*field = mode;
    return Ok;
  });
}

}  // namespace

namespace Gdiplus {
namespace DllExports {

GpStatus WINGDIPAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics) {
  FlatCall call("GdipCreateFromHDC", OutOfMemory);
  return call.Run([&] {
    if (graphics == nullptr) return InvalidParameter;
    *graphics = nullptr;
    DWORD type = GetObjectType(dc);
    if (type != OBJ_DC && type != OBJ_MEMDC) return OutOfMemory;
    *graphics = ObjectRegistry::Instance().Add(std::make_shared<Graphics>(dc));
    call.record.graphics = IdOf(*graphics);
    call.record.object = IdOf(*graphics);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* graphics) {
  return platform::DeleteCall<Graphics>("GdipDeleteGraphics", graphics);
}

GpStatus WINGDIPAPI GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality quality) {
  return SetMode("GdipSetCompositingQuality", graphics, quality, CompositingQualityDefault,
                 CompositingQualityAssumeLinear, &Graphics::compositing);
}

GpStatus WINGDIPAPI GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode) {
  return SetMode("GdipSetInterpolationMode", graphics, mode, InterpolationModeDefault,
                 InterpolationModeHighQualityBicubic, &Graphics::interpolation);
}

GpStatus WINGDIPAPI GdipSetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode mode) {
  return SetMode("GdipSetPixelOffsetMode", graphics, mode, PixelOffsetModeDefault,
                 PixelOffsetModeHalf, &Graphics::pixelOffset);
}

GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode) {
  return SetMode("GdipSetSmoothingMode", graphics, mode, SmoothingModeDefault,
                 SmoothingModeAntiAlias8x8, &Graphics::smoothing);
}

GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint hint) {
  return SetMode("GdipSetTextRenderingHint", graphics, hint, TextRenderingHintSystemDefault,
                 TextRenderingHintClearTypeGridFit, &Graphics::textHint);
}

GpStatus WINGDIPAPI GdipGraphicsClear(GpGraphics* graphics, ARGB color) {
  FlatCall call("GdipGraphicsClear");
  call.record.graphics = IdOf(graphics);
  call.record.color = color;
  return call.Run([&] {
    auto found = FindGraphics(graphics);
    if (!found) return InvalidParameter;
    cairo_t* cairo = found->Begin();
    // Clearing replaces every pixel, alpha included.
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    platform::SetCairoColor(cairo, color);
    cairo_paint(cairo);
    found->End();
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipGetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect) {
  FlatCall call("GdipGetVisibleClipBounds");
  call.record.graphics = IdOf(graphics);
  return call.Run([&] {
    auto found = FindGraphics(graphics);
    if (!found || rect == nullptr) return InvalidParameter;
    *rect = found->Bounds();
    call.record.results = {rect->X, rect->Y, rect->Width, rect->Height};
    return Ok;
  });
}

}  // namespace DllExports
}  // namespace Gdiplus
