// Paths, and the calls that fill or outline shapes.
#include <cmath>

#include "Platform.h"
#include "gdiplus/DeleteCall.h"
#include "gdiplus/FlatCall.h"
#include "gdiplus/Graphics.h"
#include "gdiplus/ObjectRegistry.h"
#include "gdiplus/Path.h"
#include "gdiplus/Pen.h"
#include "gdiplus/SolidFill.h"

using namespace Gdiplus;
using platform::FlatCall;
using platform::Graphics;
using platform::IdOf;
using platform::ObjectRegistry;
using platform::Path;

namespace {

bool Finite(std::initializer_list<REAL> values) {
  for (REAL v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Fills what shape adds to cairo's path with brush on graphics.
template <typename Shape>
Status Fill(FlatCall& call, GpGraphics* graphics, const GpBrush* brush, Shape shape,
            cairo_fill_rule_t rule) {
  call.record.graphics = IdOf(graphics);
  call.record.object = IdOf(brush);
  auto target = ObjectRegistry::Instance().Find<Graphics>(graphics);
  auto fill = ObjectRegistry::Instance().Find<platform::SolidFill>(brush);
  if (!target || !fill) return InvalidParameter;
  call.record.color = fill->color;
  cairo_t* cairo = target->Begin();
  shape(cairo);
  cairo_set_fill_rule(cairo, rule);
  platform::SetCairoColor(cairo, fill->color);
  cairo_fill(cairo);
  target->End();
  return Ok;
}

std::shared_ptr<Path> FindPath(const void* path) {
  return ObjectRegistry::Instance().Find<Path>(path);
}

// The calls that change a path; change gives the call's status.
template <typename Change>
Status ChangePath(const char* name, GpPath* path, std::vector<float> values, Change change) {
  FlatCall call(name);
  call.record.object = IdOf(path);
  call.record.values = std::move(values);
  return call.Run([&] {
    auto found = FindPath(path);
    if (!found) return InvalidParameter;
    return change(*found);
  });
}

cairo_fill_rule_t RuleOf(const Path& path) {
  return path.fillMode == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD;
}

}  // namespace

namespace Gdiplus {
namespace DllExports {

GpStatus WINGDIPAPI GdipCreatePath(GpFillMode fillMode, GpPath** path) {
  FlatCall call("GdipCreatePath", OutOfMemory);
  call.record.options = {fillMode};
  return call.Run([&] {
    if (path == nullptr || (fillMode != FillModeAlternate && fillMode != FillModeWinding)) {
      return InvalidParameter;
    }
    *path = ObjectRegistry::Instance().Add(std::make_shared<Path>(fillMode));
    call.record.object = IdOf(*path);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeletePath(GpPath* path) {
  return platform::DeleteCall<Path>("GdipDeletePath", path);
}

GpStatus WINGDIPAPI GdipResetPath(GpPath* path) {
  return ChangePath("GdipResetPath", path, {}, [](Path& found) {
    found.Reset();
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height,
                                   REAL startAngle, REAL sweepAngle) {
  return ChangePath("GdipAddPathArc", path, {x, y, width, height, startAngle, sweepAngle},
                    [&](Path& found) {
                      if (!Finite({x, y, width, height, startAngle, sweepAngle}) || width < 0 ||
                          height < 0) {
                        return InvalidParameter;
                      }
                      found.AddArc(x, y, width, height, startAngle, sweepAngle);
                      return Ok;
                    });
}

GpStatus WINGDIPAPI GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height) {
  return ChangePath("GdipAddPathRectangle", path, {x, y, width, height}, [&](Path& found) {
    if (!Finite({x, y, width, height})) return InvalidParameter;
    found.AddRectangle(x, y, width, height);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipClosePathFigure(GpPath* path) {
  return ChangePath("GdipClosePathFigure", path, {}, [](Path& found) {
    found.CloseFigure();
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path) {
  FlatCall call("GdipFillPath");
  return call.Run([&] {
    auto found = FindPath(path);
    if (!found) return InvalidParameter;
    if (call.Recording()) call.record.path = found->Parts();
    return Fill(call, graphics, brush, [&](cairo_t* cairo) { found->Emit(cairo); }, RuleOf(*found));
  });
}

GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path) {
  FlatCall call("GdipDrawPath");
  call.record.graphics = IdOf(graphics);
  call.record.object = IdOf(pen);
  return call.Run([&] {
    auto target = ObjectRegistry::Instance().Find<Graphics>(graphics);
    auto outline = ObjectRegistry::Instance().Find<platform::Pen>(pen);
    auto found = FindPath(path);
    if (!target || !outline || !found) return InvalidParameter;
    double width = outline->PixelWidth(target->Dpi());
    if (call.Recording()) call.record.path = found->Parts();
    call.record.color = outline->color;
    call.record.penWidth = static_cast<float>(width);
    cairo_t* cairo = target->Begin();
    found->Emit(cairo);
    cairo_set_line_width(cairo, width);
    cairo_set_line_join(cairo, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cairo, 10);
    cairo_set_line_cap(cairo, CAIRO_LINE_CAP_BUTT);
    platform::SetCairoColor(cairo, outline->color);
    cairo_stroke(cairo);
    target->End();
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y,
                                      REAL width, REAL height) {
  FlatCall call("GdipFillRectangle");
  call.record.values = {x, y, width, height};
  return call.Run([&] {
    if (!Finite({x, y, width, height})) return InvalidParameter;
    return Fill(call, graphics, brush,
                [&](cairo_t* cairo) { cairo_rectangle(cairo, x, y, width, height); },
                CAIRO_FILL_RULE_WINDING);
  });
}

GpStatus WINGDIPAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y,
                                    REAL width, REAL height) {
  FlatCall call("GdipFillEllipse");
  call.record.values = {x, y, width, height};
  return call.Run([&] {
    if (!Finite({x, y, width, height})) return InvalidParameter;
    Path ellipse(FillModeAlternate);
    ellipse.AddArc(x, y, width, height, 0, 360);
    ellipse.CloseFigure();
    return Fill(call, graphics, brush, [&](cairo_t* cairo) { ellipse.Emit(cairo); },
                CAIRO_FILL_RULE_WINDING);
  });
}

}  // namespace DllExports
}  // namespace Gdiplus
