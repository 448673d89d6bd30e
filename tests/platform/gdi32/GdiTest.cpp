#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/gdi32/GdiObjects.h"
#include "host/gdi32/Picture.h"

namespace {

BITMAPINFO DibInfo(LONG width, LONG height, WORD bits = 32, DWORD compression = BI_RGB) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  info.bmiHeader.biCompression = compression;
  return info;
}

bool IsLive(const void* handle) {
  for (const auto& record : host::LiveGdiObjects()) {
    if (record.handle == reinterpret_cast<uintptr_t>(handle)) return true;
  }
  return false;
}

struct GdiTest : ::testing::Test {
  void TearDown() override { host::ClearFailures(); }
};

TEST_F(GdiTest, DibSectionHandsOutZeroedPixelsInItsRowOrder) {
  for (LONG height : {-3, 3}) {
    SCOPED_TRACE(height);
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = DibInfo(4, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(bits, nullptr);
    auto* words = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(words[i], 0u);
    // The first row in memory is the top one only for a negative height.
    words[1] = 0xFF112233;
    HGDIOBJ previous = SelectObject(dc, bitmap);
    ASSERT_NE(previous, nullptr);
    std::optional<host::Picture> picture = host::PictureOfDc(dc);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 3);
    EXPECT_EQ(picture->At(1, height < 0 ? 0 : 2), 0xFF112233u);

    BITMAP described{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof described, &described), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(described.bmWidth, 4);
    EXPECT_EQ(described.bmHeight, 3);
    EXPECT_EQ(described.bmWidthBytes, 16);
    EXPECT_EQ(described.bmBitsPixel, 32);
    EXPECT_EQ(described.bmBits, bits);

    SelectObject(dc, previous);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(dc));
  }
}

TEST_F(GdiTest, DibSectionRefusesWhatItCannotDraw) {
  struct Case {
    const char* what;
    BITMAPINFO info;
  } cases[] = {
      {"24 bits", DibInfo(4, -4, 24)},
      {"bit fields", DibInfo(4, -4, 32, 3)},
      {"no width", DibInfo(0, -4)},
      {"no height", DibInfo(4, 0)},
      {"too large", DibInfo(100000, -100000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, &c.info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
  }
  void* bits = nullptr;
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

TEST_F(GdiTest, SelectedBitmapCannotBeDeletedUntilReleased) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = DibInfo(2, -2);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HGDIOBJ initial = SelectObject(dc, bitmap);
  EXPECT_EQ(GetObjectType(initial), static_cast<DWORD>(OBJ_BITMAP));

  // One DC at a time draws on a bitmap.
  HDC other = CreateCompatibleDC(dc);
  EXPECT_EQ(SelectObject(other, bitmap), nullptr);
  EXPECT_TRUE(DeleteDC(other));

  // Deleted while selected: refused, and the bitmap stays alive.
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_TRUE(IsLive(bitmap));
  // The DC going lets the bitmap go; then it can be deleted.
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(IsLive(dc));
  EXPECT_TRUE(IsLive(bitmap));
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_FALSE(IsLive(bitmap));
  // Stale handles are refused; the default bitmap is stock and never goes.
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_TRUE(DeleteObject(initial));
}

TEST_F(GdiTest, DisplayDcGoesBackWithReleaseDcOnly) {
  HWND window = reinterpret_cast<HWND>(0x1234);
  HDC screen = GetDC(nullptr);
  HDC client = GetDC(window);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  EXPECT_FALSE(host::PictureOfDc(screen).has_value());
  EXPECT_FALSE(DeleteDC(screen));
  EXPECT_TRUE(IsLive(screen));
  // A bitmap is drawn on through a memory DC, never a display one.
  BITMAPINFO info = DibInfo(2, -2);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  EXPECT_EQ(SelectObject(screen, bitmap), nullptr);
  EXPECT_TRUE(DeleteObject(bitmap));

  EXPECT_EQ(ReleaseDC(nullptr, client), 0);
  EXPECT_EQ(ReleaseDC(window, client), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
  EXPECT_FALSE(IsLive(screen));
}

TEST_F(GdiTest, FailureSwitchesReachDcAndBitmapCreation) {
  host::FailCall("CreateCompatibleDC");
  EXPECT_EQ(CreateCompatibleDC(nullptr), nullptr);
  host::FailCall("GetDC");
  EXPECT_EQ(GetDC(nullptr), nullptr);
  host::FailCall("CreateDIBSection");
  BITMAPINFO info = DibInfo(2, -2);
  void* bits = nullptr;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
}

TEST_F(GdiTest, PictureWritesAsPng) {
  host::Picture picture;
  picture.width = 2;
  picture.height = 1;
  picture.pixels = {0xFF0000FF, 0x80000080};
  std::string path = ::testing::TempDir() + "gdi-picture.png";
  ASSERT_TRUE(host::WritePng(picture, path));
  FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char signature[8] = {};
  EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
  std::fclose(file);
  std::remove(path.c_str());
  EXPECT_EQ(std::memcmp(signature, "\x89PNG\r\n\x1a\n", 8), 0);
  EXPECT_FALSE(host::WritePng(picture, "/nonexistent-folder/x.png"));
}

}  // namespace
