#include "user32/StaticPicture.h"

#include <algorithm>

namespace platform {

HDC StaticPicture::Prepare(int width, int height) {
  if (dc_ != nullptr && width == width_ && height == height_) return dc_;
  Release();
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  if (bitmap == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    return nullptr;
  }
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  uint32_t pixel = 0xFF000000u | static_cast<uint32_t>(GetRValue(face)) << 16 |
                   static_cast<uint32_t>(GetGValue(face)) << 8 | GetBValue(face);
  std::fill_n(static_cast<uint32_t*>(bits), static_cast<size_t>(width) * height, pixel);
  previous_ = SelectObject(dc, bitmap);
  dc_ = dc;
  bitmap_ = bitmap;
  width_ = width;
  height_ = height;
  return dc_;
}

std::optional<host::Picture> StaticPicture::Read() const {
  if (dc_ == nullptr) return std::nullopt;
  return host::PictureOfDc(dc_);
}

void StaticPicture::Release() {
  if (dc_ != nullptr) {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  previous_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace platform
