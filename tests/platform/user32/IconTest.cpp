#include <gtest/gtest.h>

#include "Platform.h"
#include "ResourceBytes.h"
#include "host/user32/Icons.h"
#include "user32/IconDirectory.h"

namespace {

struct Image {
  int size;
  int bitCount;
  WORD id;
};

// An RT_GROUP_ICON directory of the given images.
std::vector<BYTE> Directory(std::initializer_list<Image> images) {
  testresources::Bytes b;
  b.Word(0);
  b.Word(1);
  b.Word(static_cast<WORD>(images.size()));
  for (const Image& image : images) {
    b.data.push_back(static_cast<BYTE>(image.size == 256 ? 0 : image.size));
    b.data.push_back(static_cast<BYTE>(image.size == 256 ? 0 : image.size));
    b.data.push_back(0);
    b.data.push_back(0);
    b.Word(1);
    b.Word(static_cast<WORD>(image.bitCount));
    b.Dword(1000);
    b.Word(image.id);
  }
  return b.data;
}

// The BITMAPINFOHEADER that starts a DIB icon image: its height counts the
// colour and the mask halves.
std::vector<BYTE> DibImage(int size) {
  testresources::Bytes b;
  b.Dword(40);
  b.Dword(static_cast<DWORD>(size));
  b.Dword(static_cast<DWORD>(2 * size));
  b.Word(1);
  b.Word(32);
  b.data.resize(40 + 4 * size * size * 2, 0);
  return b.data;
}

TEST(IconTest, TheImageOfAGroupSuitsTheSizeAskedFor) {
  std::vector<BYTE> group = Directory({{16, 8, 5}, {16, 32, 1}, {24, 32, 2}, {32, 32, 3}, {48, 32, 4}});
  struct Case {
    int cx, cy;
    UINT flags;
    int expected;
  };
  const Case cases[] = {
      {16, 16, 0, 1},              // exact, the most colours
      {24, 24, 0, 2},              // exact
      {20, 20, 0, 2},              // the smallest larger
      {64, 64, 0, 4},              // the largest
      {0, 0, LR_DEFAULTSIZE, 3},   // SM_CXICON
      {0, 0, 0, 5},                // the first
  };
  for (const Case& c : cases)
    EXPECT_EQ(LookupIconIdFromDirectoryEx(group.data(), TRUE, c.cx, c.cy, c.flags), c.expected)
        << c.cx << " " << c.flags;
  EXPECT_EQ(LookupIconIdFromDirectoryEx(group.data(), FALSE, 16, 16, 0), 0);
  for (size_t length = 0; length < group.size(); ++length)
    EXPECT_EQ(platform::ChooseIconImage(group.data(), length, 16, 16), 0) << length;
  std::vector<BYTE> cursors = group;
  cursors[2] = 2;  // a cursor group
  EXPECT_EQ(platform::ChooseIconImage(cursors.data(), cursors.size(), 16, 16), 0);
}

TEST(IconTest, IconsFromImageBytesKnowTheirSizeAndGoOnce) {
  size_t before = host::LiveIconCount();
  std::vector<BYTE> dib = DibImage(16);
  HICON own = CreateIconFromResourceEx(dib.data(), static_cast<DWORD>(dib.size()), TRUE,
                                       0x00030000, 0, 0, LR_DEFAULTCOLOR);
  HICON scaled = CreateIconFromResourceEx(dib.data(), static_cast<DWORD>(dib.size()), TRUE,
                                          0x00030000, 24, 24, LR_DEFAULTCOLOR);
  ASSERT_NE(own, nullptr);
  ASSERT_NE(scaled, nullptr);
  EXPECT_EQ(host::DescribeIcon(own)->width, 16);
  EXPECT_EQ(host::DescribeIcon(scaled)->height, 24);
  EXPECT_EQ(host::LiveIconCount(), before + 2);

  testresources::Bytes png;
  png.data = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
              0,    0,   1,   0,   0,    0,    1,    0};  // 256 x 256
  HICON large = CreateIconFromResourceEx(png.data.data(), static_cast<DWORD>(png.data.size()),
                                         TRUE, 0x00030000, 0, 0, 0);
  ASSERT_NE(large, nullptr);
  EXPECT_EQ(host::DescribeIcon(large)->width, 256);

  BYTE garbage[64] = {1, 2, 3};
  EXPECT_EQ(CreateIconFromResourceEx(garbage, sizeof(garbage), TRUE, 0x00030000, 0, 0, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
  EXPECT_EQ(CreateIconFromResourceEx(dib.data(), 39, TRUE, 0x00030000, 0, 0, 0), nullptr);

  for (HICON icon : {own, scaled, large}) EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(own));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_ICON_HANDLE));
  EXPECT_FALSE(host::DescribeIcon(own).has_value());
  EXPECT_FALSE(DestroyIcon(LoadCursorW(nullptr, IDC_ARROW)));
  EXPECT_EQ(host::LiveIconCount(), before);
}

}  // namespace
