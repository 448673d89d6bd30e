#include "user32/LayeredPictureLog.h"

#include <map>
#include <mutex>
#include <vector>

#include "host/user32/LayeredPicture.h"
#include "kernel32/ImportPatch.h"

namespace platform {
namespace {

using UpdateLayeredWindowCall = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                              BLENDFUNCTION*, DWORD);

struct Log {
  std::mutex lock;
  std::map<HWND, host::LayeredPicture> pictures;
  UpdateLayeredWindowCall update = &UpdateLayeredWindow;
};

Log& TheLog() {
  static Log log;
  return log;
}

// The size x size pixels at origin of the 32-bit bitmap selected into dc,
// top row first; nothing for another kind. GetObject does not say which way
// up a DIB section's rows lie (it answers a positive height for a top-down
// one), so GetDIBits copies them out in the order asked for.
std::optional<host::Picture> CopyPixels(HDC dc, POINT origin, SIZE size) {
  auto* bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  BITMAP shape{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(shape), &shape) != sizeof(shape) ||
      shape.bmBitsPixel != 32)
    return std::nullopt;
  const LONG width = shape.bmWidth;
  const LONG height = shape.bmHeight;
  if (origin.x < 0 || origin.y < 0 || size.cx <= 0 || size.cy <= 0 || origin.x + size.cx > width ||
      origin.y + size.cy > height)
    return std::nullopt;
  GdiFlush();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> all(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), all.data(), &info,
                       DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return std::nullopt;
  host::Picture picture;
  picture.width = size.cx;
  picture.height = size.cy;
  picture.pixels.reserve(static_cast<size_t>(size.cx) * size.cy);
  for (LONG y = origin.y; y < origin.y + size.cy; ++y) {
    const uint32_t* line = all.data() + static_cast<size_t>(y) * width;
    picture.pixels.insert(picture.pixels.end(), line + origin.x, line + origin.x + size.cx);
  }
  return picture;
}

BOOL WINAPI LoggedUpdateLayeredWindow(HWND window, HDC screen, POINT* place, SIZE* size, HDC source,
                                      POINT* sourceOrigin, COLORREF key, BLENDFUNCTION* blend,
                                      DWORD flags) {
  Log& log = TheLog();
  BOOL result = log.update(window, screen, place, size, source, sourceOrigin, key, blend, flags);
  if (result && source != nullptr && size != nullptr) {
    POINT origin = sourceOrigin != nullptr ? *sourceOrigin : POINT{0, 0};
    if (std::optional<host::Picture> picture = CopyPixels(source, origin, *size)) {
      std::lock_guard<std::mutex> hold(log.lock);
      host::LayeredPicture& entry = log.pictures[window];
      entry.picture = std::move(*picture);
      entry.blend = blend != nullptr ? *blend : BLENDFUNCTION{};
      entry.key = key;
      entry.flags = flags;
      ++entry.updates;
    }
  }
  return result;
}

}  // namespace

bool LayeredPictureLog::Watch(HMODULE module) {
  void* was = ImportPatch::Replace(module, "user32.dll", "UpdateLayeredWindow",
                                   reinterpret_cast<void*>(&LoggedUpdateLayeredWindow));
  if (was == nullptr) return false;
  if (was != reinterpret_cast<void*>(&LoggedUpdateLayeredWindow))
    TheLog().update = reinterpret_cast<UpdateLayeredWindowCall>(was);
  return true;
}

}  // namespace platform

namespace host {

std::optional<LayeredPicture> LayeredPictureOf(HWND window) {
  if (!IsWindow(window)) return std::nullopt;
  platform::Log& log = platform::TheLog();
  std::lock_guard<std::mutex> hold(log.lock);
  auto found = log.pictures.find(window);
  if (found == log.pictures.end()) return std::nullopt;
  LayeredPicture picture = found->second;
  GetWindowRect(window, &picture.rect);
  return picture;
}

}  // namespace host
