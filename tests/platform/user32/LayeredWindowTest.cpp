#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "WindowFixture.h"
#include "host/user32/LayeredPicture.h"
#include "host/user32/MessagePump.h"
#include "support/MakeTempFolder.h"

namespace {

using testwindows::WindowTest;

// A memory DC holding a top-down 32-bit DIB section whose pixel (x, y) is
// 0xFF000000 | x << 8 | y.
struct PaintedDc {
  PaintedDc(int width, int height) {
    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        pixels[y * width + x] = 0xFF000000u | static_cast<uint32_t>(x) << 8 | static_cast<uint32_t>(y);
    old = SelectObject(dc, bitmap);
  }
  ~PaintedDc() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  uint32_t* pixels;
};

struct LayeredWindowTest : WindowTest {
  HWND Layered() {
    HWND window = Popup({0, 0, 0, 0}, WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    ShowWindow(window, SW_SHOWNA);
    return window;
  }
};

TEST_F(LayeredWindowTest, KeepsACopyOfThePictureWithItsPlaceAndBlend) {
  HWND window = Layered();
  HDC screen = GetDC(nullptr);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  POINT place{40, 50};
  SIZE size{6, 4};
  POINT from{2, 3};
  {
    PaintedDc painted(10, 8);
    host::ClearMessageLog(window);
    ASSERT_TRUE(UpdateLayeredWindow(window, screen, &place, &size, painted.dc, &from, 0, &blend,
                                    ULW_ALPHA));
  }  // the bitmap is gone; the copy stays
  std::optional<host::LayeredPicture> kept = host::LayeredPictureOf(window);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->picture.width, 6);
  EXPECT_EQ(kept->picture.height, 4);
  EXPECT_EQ(kept->picture.At(0, 0), 0xFF000203u);
  EXPECT_EQ(kept->picture.At(5, 3), 0xFF000706u);
  EXPECT_EQ(kept->blend.AlphaFormat, AC_SRC_ALPHA);
  EXPECT_EQ(kept->blend.SourceConstantAlpha, 255);
  EXPECT_EQ(kept->flags, static_cast<DWORD>(ULW_ALPHA));
  EXPECT_EQ(kept->updates, 1);
  RECT expected{40, 50, 46, 54};
  EXPECT_TRUE(EqualRect(&kept->rect, &expected));
  EXPECT_EQ(Only(window, {WM_WINDOWPOSCHANGED}).size(), 1u);  // moved and sized as SetWindowPos does

  // The same place and size again: a new picture, no move.
  host::ClearMessageLog(window);
  PaintedDc again(6, 4);
  POINT origin{0, 0};
  ASSERT_TRUE(UpdateLayeredWindow(window, screen, &place, &size, again.dc, &origin, 0, &blend, ULW_ALPHA));
  EXPECT_TRUE(Only(window, {WM_WINDOWPOSCHANGED}).empty());
  EXPECT_EQ(host::LayeredPictureOf(window)->picture.At(0, 0), 0xFF000000u);
  EXPECT_EQ(host::LayeredPictureOf(window)->updates, 2);
  ReleaseDC(nullptr, screen);
}

// A window painted again and again at one size: each update holds every
// pixel of its own picture, whatever the pictures before it held.
TEST_F(LayeredWindowTest, EachUpdateOfTheSameSizeHoldsItsWholePicture) {
  HWND window = Layered();
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  SIZE size{5, 3};
  POINT from{0, 0};
  PaintedDc painted(5, 3);
  for (uint32_t round = 0; round < 3; ++round) {
    for (uint32_t i = 0; i < 15; ++i) painted.pixels[i] = 0xFF000000u | round << 16 | i;
    ASSERT_TRUE(UpdateLayeredWindow(window, nullptr, nullptr, &size, painted.dc, &from, 0, &blend,
                                    ULW_ALPHA));
    const host::Picture picture = host::LayeredPictureOf(window)->picture;
    ASSERT_EQ(picture.pixels.size(), 15u);
    for (uint32_t i = 0; i < 15; ++i) EXPECT_EQ(picture.pixels[i], 0xFF000000u | round << 16 | i);
  }
  EXPECT_EQ(host::LayeredPictureOf(window)->updates, 3);
}

TEST_F(LayeredWindowTest, RefusedUpdatesKeepTheLastPicture) {
  HWND window = Layered();
  PaintedDc painted(4, 4);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  SIZE size{4, 4};
  POINT from{0, 0};
  ASSERT_TRUE(UpdateLayeredWindow(window, nullptr, nullptr, &size, painted.dc, &from, 0, &blend, ULW_ALPHA));

  POINT outside{1, 0};  // 4 wide from x = 1 leaves the 4-pixel bitmap
  EXPECT_FALSE(UpdateLayeredWindow(window, nullptr, nullptr, &size, painted.dc, &outside, 0, &blend, ULW_ALPHA));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(UpdateLayeredWindow(window, nullptr, nullptr, &size, nullptr, nullptr, 0, &blend, ULW_ALPHA));
  host::FailCall("UpdateLayeredWindow");
  EXPECT_FALSE(UpdateLayeredWindow(window, nullptr, nullptr, &size, painted.dc, &from, 0, &blend, ULW_ALPHA));
  EXPECT_EQ(host::LayeredPictureOf(window)->updates, 1);

  HWND plain = Popup({0, 0, 4, 4});
  EXPECT_FALSE(UpdateLayeredWindow(plain, nullptr, nullptr, &size, painted.dc, &from, 0, &blend, ULW_ALPHA));
  EXPECT_FALSE(host::LayeredPictureOf(plain).has_value());

  // A window that hands over its own pictures is not asked to paint.
  InvalidateRect(window, nullptr, TRUE);
  host::PumpMessages();
  EXPECT_TRUE(Only(window, {WM_PAINT}).empty());
}

TEST_F(LayeredWindowTest, ThePictureIsWrittenAsPng) {
  HWND window = Layered();
  PaintedDc painted(3, 2);
  SIZE size{3, 2};
  POINT from{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(UpdateLayeredWindow(window, nullptr, nullptr, &size, painted.dc, &from, 0, &blend, ULW_ALPHA));
  std::string folder = MakeTempFolder("lutem-layered-");
  ASSERT_FALSE(folder.empty());
  std::string path = folder + "/window.png";
  ASSERT_TRUE(host::WriteLayeredPicturePng(window, path));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char signature[8] = {};
  EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
  std::fclose(file);
  EXPECT_EQ(std::memcmp(signature, "\x89PNG\r\n\x1a\n", 8), 0);
  EXPECT_FALSE(host::WriteLayeredPicturePng(Popup({0, 0, 1, 1}), path));
  std::filesystem::remove_all(folder);
}

}  // namespace
