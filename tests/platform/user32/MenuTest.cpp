#include <gtest/gtest.h>

#include "MenuTemplateBytes.h"
#include "WindowFixture.h"
#include "host/user32/Menus.h"
#include "host/user32/MessagePump.h"
#include "user32/MenuTemplate.h"

namespace {

using testwindows::WindowTest;
using UintList = std::vector<UINT>;

struct MenuTest : WindowTest {
  void SetUp() override {
    WindowTest::SetUp();
    host::ClearMenuChoices();
    host::ClearPopupMenusShown();
  }
  void TearDown() override {
    EXPECT_TRUE(host::LiveMenus().empty()) << "a menu was not destroyed";
    WindowTest::TearDown();
  }
};

TEST_F(MenuTest, BothTemplateFormsGiveTheSameMenu) {
  for (const std::vector<BYTE>& bytes :
       {testmenus::NormalTemplate(), testmenus::ExtendedTemplate()}) {
    HMENU menu = LoadMenuIndirectW(bytes.data());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 5);
    EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(-1));  // a popup
    EXPECT_EQ(GetMenuState(popup, 1, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(popup, 4), 40002u);
    EXPECT_EQ(GetMenuItemID(popup, 5), static_cast<UINT>(-1));
    HMENU layouts = GetSubMenu(popup, 0);
    EXPECT_EQ(GetMenuState(popup, 0, MF_BYPOSITION), (4u << 8) | MF_POPUP);
    EXPECT_NE(GetMenuState(layouts, 40011, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuState(layouts, 2, MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    WCHAR text[8];
    EXPECT_EQ(GetMenuStringW(popup, 40002, nullptr, 0, MF_BYCOMMAND), 12);
    EXPECT_EQ(GetMenuStringW(popup, 40002, text, 8, MF_BYCOMMAND), 7);
    EXPECT_EQ(std::u16string(text), u"&About ");
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(popup));  // the popups go with their menu
  }
}

TEST_F(MenuTest, CheckMarksByCommandSearchThePopups) {
  std::vector<BYTE> bytes = testmenus::NormalTemplate();
  HMENU menu = LoadMenuIndirectW(bytes.data());
  HMENU popup = GetSubMenu(menu, 0);
  EXPECT_EQ(CheckMenuItem(popup, 40009, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(popup, 40009, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(popup, 40009, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(GetMenuState(popup, 40009, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(CheckMenuItem(popup, 3, MF_BYPOSITION | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(CheckMenuItem(popup, 49999, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(-1));
  DestroyMenu(menu);
  EXPECT_FALSE(DestroyMenu(menu));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MENU_HANDLE));
  EXPECT_EQ(CheckMenuItem(popup, 40009, MF_CHECKED), static_cast<DWORD>(-1));
}

TEST_F(MenuTest, DamagedTemplatesLoadNothingAndLeakNothing) {
  for (const std::vector<BYTE>& bytes :
       {testmenus::NormalTemplate(), testmenus::ExtendedTemplate()}) {
    for (size_t length = 0; length < bytes.size(); ++length) {
      SetLastError(0);
      EXPECT_EQ(platform::LoadMenuTemplate(bytes.data(), length), nullptr) << length;
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
    }
    HMENU whole = platform::LoadMenuTemplate(bytes.data(), bytes.size());
    EXPECT_NE(whole, nullptr);
    DestroyMenu(whole);
  }
  testresources::Bytes deep;
  deep.Word(0);
  deep.Word(0);
  for (int level = 0; level < 40; ++level) {
    deep.Word(MF_POPUP | MF_END);
    deep.Text(u"p");
  }
  deep.Word(MF_END);
  deep.Word(1);
  deep.Text(u"x");
  EXPECT_EQ(platform::LoadMenuTemplate(deep.data.data(), deep.data.size()), nullptr);
  testresources::Bytes unknownVersion;
  unknownVersion.Word(2);
  unknownVersion.Word(0);
  EXPECT_EQ(platform::LoadMenuTemplate(unknownVersion.data.data(), 4), nullptr);
}

TEST_F(MenuTest, APopupAnswersWithTheScriptedChoiceAndIsRecordedAsShown) {
  HWND owner = Popup({0, 0, 10, 10});
  std::vector<BYTE> bytes = testmenus::NormalTemplate();
  HMENU menu = LoadMenuIndirectW(bytes.data());
  HMENU popup = GetSubMenu(menu, 0);
  CheckMenuItem(popup, 40007, MF_BYCOMMAND | MF_CHECKED);
  const UINT flags = TPM_NONOTIFY | TPM_RETURNCMD;

  host::ChooseNextMenuCommand(40009);
  host::ChooseNextMenuItem(u"About Lutem");  // as shown, without the mnemonic mark
  host::DismissNextMenu();
  host::ChooseNextMenuItem(u"Lutem (Fixed)");  // grayed: cannot be chosen
  host::ChooseNextMenuCommand(12345);
  EXPECT_EQ(TrackPopupMenuEx(popup, flags, 30, 40, owner, nullptr), 40009);
  EXPECT_EQ(TrackPopupMenuEx(popup, flags, 30, 40, owner, nullptr), 40002);
  EXPECT_EQ(TrackPopupMenuEx(popup, flags, 30, 40, owner, nullptr), 0);
  EXPECT_EQ(TrackPopupMenuEx(popup, flags, 30, 40, owner, nullptr), 0);
  EXPECT_EQ(TrackPopupMenuEx(popup, flags, 30, 40, owner, nullptr), 0);
  EXPECT_EQ(TrackPopupMenuEx(popup, flags, 30, 40, owner, nullptr), 0);  // nothing scripted

  std::vector<host::PopupRecord> shown = host::PopupMenusShown();
  ASSERT_EQ(shown.size(), 6u);
  const host::PopupRecord& first = shown[0];
  EXPECT_EQ(first.menu, popup);
  EXPECT_EQ(first.flags, flags);
  EXPECT_EQ(first.x, 30);
  EXPECT_EQ(first.owner, owner);
  EXPECT_EQ(first.chosen, 40009u);
  ASSERT_EQ(first.items.size(), 5u);
  EXPECT_TRUE(first.items[0].popup);
  EXPECT_EQ(first.items[0].text, u"Keyboard Layout");
  EXPECT_TRUE(first.items[0].submenu[3].grayed);
  EXPECT_TRUE(first.items[1].separator);
  EXPECT_TRUE(first.items[2].submenu[0].checked);
  EXPECT_FALSE(first.items[2].submenu[1].checked);
  EXPECT_TRUE(shown[2].choiceFound);  // a dismissal finds what it wants
  EXPECT_FALSE(shown[3].choiceFound);
  EXPECT_FALSE(shown[4].choiceFound);
  // TPM_NONOTIFY: the owner heard nothing.
  EXPECT_TRUE(Only(owner, {WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND}).empty());
  DestroyMenu(menu);
}

TEST_F(MenuTest, WithNotificationsTheOwnerHearsOfTheMenuAndTheCommand) {
  HWND owner = Popup({0, 0, 10, 10});
  std::vector<BYTE> bytes = testmenus::NormalTemplate();
  HMENU menu = LoadMenuIndirectW(bytes.data());
  HMENU popup = GetSubMenu(menu, 0);
  // The owner may change the items when the menu opens.
  Script([&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_INITMENUPOPUP) CheckMenuItem(reinterpret_cast<HMENU>(wp), 40001, MF_CHECKED);
    return DefWindowProcW(w, m, wp, lp);
  });
  host::ChooseNextMenuCommand(40001);
  EXPECT_TRUE(TrackPopupMenuEx(popup, 0, 0, 0, owner, nullptr));
  EXPECT_TRUE(host::PopupMenusShown().back().items[3].checked);
  host::PumpMessages();
  EXPECT_EQ(Only(owner, {WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND}),
            (UintList{WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND}));
  EXPECT_EQ(host::MessageLog(owner).back().wParam, MAKEWPARAM(40001, 0));

  SetLastError(0);
  EXPECT_FALSE(TrackPopupMenuEx(popup, TPM_RETURNCMD, 0, 0, reinterpret_cast<HWND>(0x99), nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  host::ChooseNextMenuCommand(40001);
  host::FailCall("TrackPopupMenuEx");
  EXPECT_EQ(TrackPopupMenuEx(popup, TPM_RETURNCMD, 0, 0, owner, nullptr), 0);
  host::ClearMenuChoices();
  DestroyMenu(menu);
}

}  // namespace
