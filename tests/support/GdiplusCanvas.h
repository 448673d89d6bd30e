// A memory DC with a 32-bit DIB section and a GDI+ graphics on it, as the
// candidate window paints; GDI+ must be started while one lives. Only
// Windows calls, so the same drawing tests run on the stand-in and on
// Windows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdint>

#include "Platform.h"

namespace testing_gdiplus {

struct InkBox {
  int left = -1, top = -1, right = -1, bottom = -1;  // inclusive; -1 when no ink
  bool empty() const { return left < 0; }
};

class Canvas {
 public:
  Canvas(int width, int height, bool topDown = true) : width_(width), height_(height) {
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits_ = static_cast<uint32_t*>(pixels);
    topDown_ = topDown;
    previous_ = SelectObject(dc, bitmap);
    EXPECT_EQ(Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics), Gdiplus::Ok);
  }
  ~Canvas() {
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    SelectObject(dc, previous_);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Premultiplied 0xAARRGGBB at (x, y), y counted from the top.
  uint32_t At(int x, int y) const {
    int row = topDown_ ? y : height_ - 1 - y;
    return bits_[row * width_ + x];
  }
  int Alpha(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }

  // The smallest box holding every pixel whose alpha is above threshold.
  InkBox Ink(int threshold = 0) const {
    InkBox box;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (Alpha(x, y) <= threshold) continue;
        if (box.empty()) box = {x, y, x, y};
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
    }
    return box;
  }

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;

 private:
  int width_;
  int height_;
  bool topDown_ = true;
  uint32_t* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// Starts GDI+ for each test and shuts it down after it.
class GdiplusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace testing_gdiplus
