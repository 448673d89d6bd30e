#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/user32/Icons.h"
#include "host/user32/Menus.h"

namespace {

// The fixture module's menus (109 normal, 110 extended) and icon groups (12
// and 21, each of 16, 24 and 32 pixels), compiled from its .rc file.
struct ModuleResourceTest : ::testing::Test {
  void SetUp() override {
    std::string path = LUTEM_WINDOWING_MODULE;
    module = LoadLibraryW(std::u16string(path.begin(), path.end()).c_str());
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override {
    if (module != nullptr) FreeLibrary(module);
    host::ClearFailures();
    EXPECT_TRUE(host::LiveMenus().empty());
  }
  HMODULE module = nullptr;
};

TEST_F(ModuleResourceTest, MenusLoadFromTheModulesResources) {
  HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(109));
  ASSERT_NE(menu, nullptr);
  HMENU popup = GetSubMenu(menu, 0);
  ASSERT_EQ(GetMenuItemCount(popup), 5);
  EXPECT_EQ(GetMenuItemID(popup, 3), 40001u);
  EXPECT_NE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);  // MENUITEM SEPARATOR
  EXPECT_NE(GetMenuState(popup, 40011, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(CheckMenuItem(popup, 40005, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  DestroyMenu(menu);

  HMENU extended = LoadMenuW(module, MAKEINTRESOURCEW(110));
  ASSERT_NE(extended, nullptr);
  HMENU items = GetSubMenu(extended, 0);
  ASSERT_EQ(GetMenuItemCount(items), 3);
  EXPECT_NE(GetMenuState(items, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  EXPECT_NE(GetMenuState(items, 40009, MF_BYCOMMAND) & MF_CHECKED, 0u);
  DestroyMenu(extended);

  SetLastError(0);
  EXPECT_EQ(LoadMenuW(module, MAKEINTRESOURCEW(111)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  host::FailCall("LoadMenuW");
  EXPECT_EQ(LoadMenuW(module, MAKEINTRESOURCEW(109)), nullptr);
}

TEST_F(ModuleResourceTest, IconsAreTheImageOfTheSizeAskedForAndOutliveTheModule) {
  size_t before = host::LiveIconCount();
  struct Case {
    WORD group;
    int size;
  };
  std::vector<HICON> icons;
  std::vector<WORD> images;
  for (Case c : {Case{12, 16}, Case{12, 24}, Case{21, 24}}) {
    auto icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(c.group), IMAGE_ICON, c.size, c.size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << c.group << " " << c.size;
    std::optional<host::IconInfo> info = host::DescribeIcon(icon);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->module, module);
    EXPECT_EQ(info->groupId, c.group);
    EXPECT_EQ(info->width, c.size);
    EXPECT_EQ(info->height, c.size);
    icons.push_back(icon);
    images.push_back(info->imageId);
  }
  EXPECT_NE(images[0], images[1]);  // another image of the same group
  EXPECT_NE(images[1], images[2]);  // the same size from the other group
  EXPECT_EQ(host::LiveIconCount(), before + 3);

  SetLastError(0);
  EXPECT_EQ(LoadImageW(module, MAKEINTRESOURCEW(13), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(LoadImageW(module, MAKEINTRESOURCEW(12), IMAGE_BITMAP, 16, 16, 0), nullptr);
  host::FailCall("LoadImageW");
  EXPECT_EQ(LoadImageW(module, MAKEINTRESOURCEW(12), IMAGE_ICON, 16, 16, 0), nullptr);

  FreeLibrary(module);
  module = nullptr;
  EXPECT_EQ(host::DescribeIcon(icons[0])->width, 16);
  for (HICON icon : icons) EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_EQ(host::LiveIconCount(), before);
}

}  // namespace
