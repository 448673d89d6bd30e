#include "user32/LayeredPictureLog.h"

#include <map>
#include <mutex>

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

// The size x size pixels at origin of the DIB section selected into dc, top
// row first; nothing for another kind of bitmap.
std::optional<host::Picture> CopyPixels(HDC dc, POINT origin, SIZE size) {
  auto* bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  DIBSECTION section{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
      section.dsBm.bmBitsPixel != 32 || section.dsBm.bmBits == nullptr)
    return std::nullopt;
  const LONG width = section.dsBm.bmWidth;
  const LONG height = section.dsBm.bmHeight;
  if (origin.x < 0 || origin.y < 0 || size.cx <= 0 || size.cy <= 0 || origin.x + size.cx > width ||
      origin.y + size.cy > height)
    return std::nullopt;
  GdiFlush();
  const bool bottomUp = section.dsBmih.biHeight > 0;
  const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
  host::Picture picture;
  picture.width = size.cx;
  picture.height = size.cy;
  picture.pixels.reserve(static_cast<size_t>(size.cx) * size.cy);
  for (LONG y = origin.y; y < origin.y + size.cy; ++y) {
    LONG row = bottomUp ? height - 1 - y : y;
    const uint32_t* line = bits + static_cast<size_t>(row) * width;
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
