// GetDC and ReleaseDC: user32 exports them, but the DCs they hand out live
// in GDI's object table with every other DC.
#include "common/FailureSwitch.h"
#include "gdi32/DeviceContext.h"
#include "gdi32/GdiObjectTable.h"

using platform::DeviceContext;
using platform::GdiObjectTable;

HDC GetDC(HWND window) {
  if (platform::ShouldFail("GetDC")) return nullptr;
  return static_cast<HDC>(
      GdiObjectTable::Instance().Add(std::make_shared<DeviceContext>(DeviceContext::Kind::Display, window)));
}

int ReleaseDC(HWND window, HDC dc) {
  GdiObjectTable& table = GdiObjectTable::Instance();
  std::lock_guard<std::recursive_mutex> hold(table.Lock());
  auto context = table.FindAs<DeviceContext>(dc);
  if (!context || context->GetKind() != DeviceContext::Kind::Display || context->Window() != window) {
    return 0;
  }
  return table.Remove(dc) ? 1 : 0;
}
