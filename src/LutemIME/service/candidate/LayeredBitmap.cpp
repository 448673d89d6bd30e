#include "service/candidate/LayeredBitmap.h"

LayeredBitmap::LayeredBitmap(int width, int height) : width(width), height(height) {
  screen = GetDC(nullptr);
  if (screen == nullptr) return;
  memory = CreateCompatibleDC(screen);
  if (memory == nullptr) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top of the window
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return;
  HGDIOBJ old = SelectObject(memory, bitmap);
  if (old != nullptr && old != HGDI_ERROR) previous = old;
}

LayeredBitmap::~LayeredBitmap() {
  if (previous != nullptr) SelectObject(memory, previous);
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (memory != nullptr) DeleteDC(memory);
  if (screen != nullptr) ReleaseDC(nullptr, screen);
}

BOOL LayeredBitmap::Present(HWND window, POINT topLeft) {
  if (!ok()) return FALSE;
  SIZE size = {width, height};
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return UpdateLayeredWindow(window, screen, &topLeft, &size, memory, &source, 0, &blend,
                             ULW_ALPHA);
}
