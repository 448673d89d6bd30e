// Solid brushes and pens.
#include <cmath>

#include "Platform.h"
#include "gdiplus/DeleteCall.h"
#include "gdiplus/FlatCall.h"
#include "gdiplus/ObjectRegistry.h"
#include "gdiplus/Pen.h"
#include "gdiplus/SolidFill.h"

using namespace Gdiplus;
using platform::FlatCall;
using platform::IdOf;
using platform::ObjectRegistry;

namespace Gdiplus {
namespace DllExports {

GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush) {
  FlatCall call("GdipCreateSolidFill", OutOfMemory);
  call.record.color = color;
  return call.Run([&] {
    if (brush == nullptr) return InvalidParameter;
    auto made = std::make_shared<platform::SolidFill>(color);
    ObjectRegistry::Instance().Add(made);
    *brush = made.get();
    call.record.object = IdOf(*brush);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* brush) {
  return platform::DeleteCall<platform::SolidFill>("GdipDeleteBrush", brush);
}

GpStatus WINGDIPAPI GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen) {
  FlatCall call("GdipCreatePen1", OutOfMemory);
  call.record.color = color;
  call.record.values = {width};
  call.record.options = {unit};
  return call.Run([&] {
    if (pen == nullptr || !std::isfinite(width) || width < 0 || unit < UnitWorld ||
        unit > UnitMillimeter) {
      return InvalidParameter;
    }
    *pen = ObjectRegistry::Instance().Add(std::make_shared<platform::Pen>(color, width, unit));
    call.record.object = IdOf(*pen);
    return Ok;
  });
}

GpStatus WINGDIPAPI GdipDeletePen(GpPen* pen) {
  return platform::DeleteCall<platform::Pen>("GdipDeletePen", pen);
}

}  // namespace DllExports
}  // namespace Gdiplus
