// UpdateLayeredWindow and the host's read-back of layered pictures.
#include <cstring>

#include "common/FailureSwitch.h"
#include "gdi32/DcPixels.h"
#include "host/user32/LayeredPicture.h"
#include "user32/Desktop.h"
#include "user32/WindowPosition.h"

using platform::Desktop;

namespace {

bool Fail() {
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

// The size × size pixels at from in the DC's bitmap; false when they are not
// all inside it.
bool CopyPixels(HDC dc, POINT from, SIZE size, host::Picture* out) {
  platform::DcPixels pixels;
  if (!platform::SelectedBitmapPixels(dc, &pixels)) return false;
  if (from.x < 0 || from.y < 0 || size.cx < 0 || size.cy < 0 ||
      int64_t{from.x} + size.cx > pixels.width || int64_t{from.y} + size.cy > pixels.height)
    return false;
  out->width = size.cx;
  out->height = size.cy;
  // Every pixel is written below: a buffer of the right size is reused as
  // it is, without clearing it first.
  out->pixels.resize(static_cast<size_t>(size.cx) * size.cy);
  const uint8_t* row = pixels.topRow + pixels.rowStep * from.y + 4 * static_cast<ptrdiff_t>(from.x);
  const size_t rowBytes = static_cast<size_t>(size.cx) * 4;
  if (size.cx == pixels.width && pixels.rowStep == static_cast<ptrdiff_t>(rowBytes)) {
    if (rowBytes != 0) std::memcpy(out->pixels.data(), row, rowBytes * size.cy);
    return true;
  }
  for (int y = 0; y < size.cy; ++y, row += pixels.rowStep)
    std::memcpy(&out->pixels[static_cast<size_t>(y) * size.cx], row, rowBytes);
  return true;
}

}  // namespace

BOOL UpdateLayeredWindow(HWND handle, HDC, POINT* destination, SIZE* size, HDC source,
                         POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
  RECT now{};
  {
    Desktop& desktop = Desktop::Instance();
    auto hold = desktop.Hold();
    auto window = desktop.FindOrFail(handle);
    if (!window) return FALSE;
    if (!(window->exStyle & WS_EX_LAYERED)) return Fail();
    now = desktop.ScreenRect(*window);
  }
  if (source == nullptr && size != nullptr) return Fail();
  if ((flags & ULW_ALPHA) && blend == nullptr) return Fail();
  if (platform::ShouldFail("UpdateLayeredWindow")) return FALSE;
  SIZE newSize = size != nullptr ? *size : SIZE{now.right - now.left, now.bottom - now.top};
  POINT newPlace = destination != nullptr ? *destination : POINT{now.left, now.top};

  // The picture this call replaces lends its buffer to the next call of the
  // thread, so a window painted again and again copies into memory it had.
  thread_local std::vector<uint32_t> spare;
  host::LayeredPicture update;
  update.picture.pixels.swap(spare);
  if (source != nullptr) {
    POINT from = sourcePoint != nullptr ? *sourcePoint : POINT{0, 0};
    if (!CopyPixels(source, from, newSize, &update.picture)) return Fail();
  }
  bool moved = newPlace.x != now.left || newPlace.y != now.top;
  bool sized = newSize.cx != now.right - now.left || newSize.cy != now.bottom - now.top;
  if (moved || sized)
    platform::ApplyWindowPos(handle, nullptr, newPlace.x, newPlace.y, newSize.cx, newSize.cy,
                             SWP_NOZORDER | SWP_NOACTIVATE | (moved ? 0 : SWP_NOMOVE) |
                                 (sized ? 0 : SWP_NOSIZE));

  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  if (!window) return TRUE;  // destroyed by its own WM_WINDOWPOSCHANGED
  if (!window->layered) window->layered.emplace();
  host::LayeredPicture& kept = *window->layered;
  if (source != nullptr) {
    std::swap(kept.picture, update.picture);
    ++kept.updates;
    spare.swap(update.picture.pixels);
  }
  kept.blend = (flags & ULW_ALPHA) ? *blend : BLENDFUNCTION{};
  kept.key = key;
  kept.flags = flags;
  return TRUE;
}

namespace host {

std::optional<LayeredPicture> LayeredPictureOf(HWND handle) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto window = desktop.Find(handle);
  if (!window || !window->layered) return std::nullopt;
  LayeredPicture picture = *window->layered;
  picture.rect = desktop.ScreenRect(*window);
  return picture;
}

bool WriteLayeredPicturePng(HWND window, const std::string& path) {
  std::optional<LayeredPicture> picture = LayeredPictureOf(window);
  return picture && WritePng(picture->picture, path);
}

}  // namespace host
