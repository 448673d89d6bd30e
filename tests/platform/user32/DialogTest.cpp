// The dialog manager: templates, the modal loop, the dialog keys and the
// standard controls, worked from outside as a user works them.
#include <algorithm>
#include <atomic>

#include "DialogFixture.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "host/user32/MessageLog.h"
#include "host/user32/SystemColors.h"

namespace testdialogs {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(DialogTest, ControlsComeFromTheTemplateInDialogUnits) {
  Start(201);
  std::optional<host::DialogInfo> dialog = host::DescribeDialog(Active());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->title, u"Every Control");
  EXPECT_EQ(dialog->templateName, u"#201");
  EXPECT_TRUE(dialog->exStyle & WS_EX_DLGMODALFRAME);
  // 200 x 100 dialog units at a base of 6 x 13.
  EXPECT_EQ(dialog->clientRect.right - dialog->clientRect.left, 300);
  EXPECT_EQ(dialog->clientRect.bottom - dialog->clientRect.top, 163);
  // DS_CENTER: the middle of the primary work area, not the template's place.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  EXPECT_EQ(dialog->rect.left,
            work.left + (work.right - work.left - (dialog->rect.right - dialog->rect.left)) / 2);
  EXPECT_EQ(dialog->rect.top,
            work.top + (work.bottom - work.top - (dialog->rect.bottom - dialog->rect.top)) / 2);

  struct Expected {
    int id;
    std::u16string className;
    RECT rect;
  };
  const Expected kControls[] = {
      {-1, u"Static", {6, 7, 51, 20}},
      {301, u"Button", {60, 7, 150, 23}},
      {302, u"Button", {60, 26, 150, 42}},
      {303, u"Button", {6, 130, 66, 153}},
      {304, u"Button", {225, 130, 285, 153}},
      {305, u"ComboBox", {6, 49, 126, 147}},
      {-1, u"Button", {150, 46, 294, 124}},
      {306, u"Static", {156, 62, 288, 117}},
      // An icon static takes its icon's size, 32 x 32 by default.
      {307, u"Static", {6, 81, 38, 113}},
  };
  ASSERT_EQ(dialog->controls.size(), std::size(kControls));
  for (size_t i = 0; i < dialog->controls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(dialog->controls[i].id, kControls[i].id);
    EXPECT_EQ(dialog->controls[i].className, kControls[i].className);
    EXPECT_TRUE(SameRect(dialog->controls[i].rect, kControls[i].rect));
  }
  EXPECT_NE(Control(307).icon, nullptr);
  // WM_INITDIALOG: the first tab stop and the init parameter.
  std::vector<Logged> log = DialogScript::Current().Log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0].message, WM_INITDIALOG);
  EXPECT_EQ(reinterpret_cast<HWND>(log[0].wParam), Control(301).window);
  EXPECT_EQ(log[0].lParam, 42);
  // TRUE from WM_INITDIALOG: the focus goes there.
  EXPECT_EQ(dialog->focus, Control(301).window);
}

TEST_F(DialogTest, ClassicTemplateIsPlacedFromItsOwnerWhichItDisables) {
  HWND owner = CreateWindowExW(0, u"#32770", u"owner", WS_POPUP | WS_VISIBLE, 100, 200, 400, 300,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  Start(202, owner);
  std::optional<host::DialogInfo> dialog = host::DescribeDialog(Active());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->title, u"Classic");
  EXPECT_EQ(dialog->owner, owner);
  // 5, 6 dialog units from the owner's client area.
  EXPECT_EQ(dialog->rect.left, 100 + 8);
  EXPECT_EQ(dialog->rect.top, 200 + 10);
  EXPECT_FALSE(IsWindowEnabled(owner));
  ASSERT_TRUE(host::ClickControl(Active(), IDCANCEL));
  EXPECT_EQ(Result(), IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST_F(DialogTest, ClicksAndChoicesNotifyTheDialog) {
  Script([](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) {
      SendDlgItemMessageW(dialog, 305, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"first"));
      SendDlgItemMessageW(dialog, 305, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"second"));
      SendDlgItemMessageW(dialog, 302, BM_SETCHECK, BST_CHECKED, 0);
    }
    return 0;
  });
  Start(201);
  HWND dialog = Active();
  ASSERT_TRUE(host::ClickControl(dialog, 301));
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Control(301).check, BST_CHECKED);  // an auto check box toggles
  ASSERT_TRUE(host::ClickControl(dialog, 302));
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Control(302).check, BST_CHECKED);  // a plain one leaves it to the dialog
  ASSERT_TRUE(host::ChooseComboItem(dialog, 305, 1));
  ASSERT_TRUE(Idle());
  ASSERT_TRUE(host::ChooseComboItem(dialog, 305, 1));  // the same again: no change
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Control(305).selection, 1);
  EXPECT_EQ(Control(305).text, u"second");
  const std::vector<WPARAM> kExpected = {
      MAKEWPARAM(301, BN_CLICKED),    MAKEWPARAM(302, BN_CLICKED),  MAKEWPARAM(305, CBN_DROPDOWN),
      MAKEWPARAM(305, CBN_SELCHANGE), MAKEWPARAM(305, CBN_CLOSEUP), MAKEWPARAM(305, CBN_SELENDOK),
      MAKEWPARAM(305, CBN_DROPDOWN),  MAKEWPARAM(305, CBN_CLOSEUP), MAKEWPARAM(305, CBN_SELENDOK)};
  EXPECT_EQ(DialogScript::Current().Commands(), kExpected);
  // What the user cannot reach: a label, a group box, a control not there.
  EXPECT_FALSE(host::ClickControl(dialog, 999));
  EXPECT_FALSE(host::ChooseComboItem(dialog, 301, 0));
}

TEST_F(DialogTest, KeysAndTheCloseBoxEndTheDialog) {
  struct Case {
    const char* name;
    std::function<bool(HWND)> act;
    bool handlesClose;
    INT_PTR result;
    WPARAM command;
  };
  const Case kCases[] = {
      {"Escape", [](HWND d) { return host::PressDialogKey(d, VK_ESCAPE); }, false, IDCANCEL,
       MAKEWPARAM(IDCANCEL, BN_CLICKED)},
      // Enter: the default push button, which this dialog does not end on.
      {"Enter",
       [](HWND d) {
         return host::PressDialogKey(d, VK_RETURN) && host::PressDialogKey(d, VK_ESCAPE);
       },
       false, IDCANCEL, MAKEWPARAM(304, BN_CLICKED)},
      // The close box without a WM_CLOSE handler: DefDlgProcW's IDCANCEL.
      {"close box", [](HWND d) { return host::ClickCloseBox(d); }, false, IDCANCEL,
       MAKEWPARAM(IDCANCEL, BN_CLICKED)},
      {"close box handled", [](HWND d) { return host::ClickCloseBox(d); }, true, 77, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    SetUp();
    bool handlesClose = c.handlesClose;
    Script([handlesClose](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
      if (message == WM_CLOSE && handlesClose) {
        EndDialog(dialog, 77);
        return TRUE;
      }
      return 0;
    });
    Start(201);
    ASSERT_TRUE(c.act(Active()));
    EXPECT_EQ(Result(), c.result);
    if (c.command != 0) {
      std::vector<WPARAM> commands = DialogScript::Current().Commands();
      EXPECT_NE(std::find(commands.begin(), commands.end(), c.command), commands.end());
    }
    process_ = 0;
  }
}

TEST_F(DialogTest, EndDialogDuringInitDialogNeverShowsIt) {
  Script([](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) EndDialog(dialog, -1);
    return 0;
  });
  Start(201);
  EXPECT_EQ(Result(), -1);
  EXPECT_TRUE(host::Dialogs().empty());
}

TEST_F(DialogTest, TemplatesThatCannotBeMadeFail) {
  Start(999);
  EXPECT_EQ(Result(), -1);
  EXPECT_EQ(lastError_, static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  Start(203);  // a control of no class
  EXPECT_EQ(Result(), -1);
  EXPECT_TRUE(host::Dialogs().empty());
  Start(202, reinterpret_cast<HWND>(0x7777));  // an owner that is no window
  EXPECT_EQ(Result(), 0);
  // DS_NOFAILCREATE: the dialog opens without the control.
  Start(204);
  ASSERT_NE(Active(), nullptr);
  EXPECT_EQ(GetDlgItem(Active(), 401), nullptr);
  EXPECT_NE(GetDlgItem(Active(), IDOK), nullptr);
  host::ClickControl(Active(), IDOK);
  EXPECT_EQ(Result(), IDOK);
}

TEST_F(DialogTest, OwnerDrawnStaticDrawsThroughItsDialogAndKeepsThePixels) {
  host::SetSystemColor(COLOR_BTNFACE, RGB(10, 20, 30));
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  std::atomic<bool> draw{false};
  Script([&draw](HWND, UINT message, WPARAM, LPARAM lParam) -> INT_PTR {
    if (message != WM_DRAWITEM || !draw) return 0;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Gdiplus::GpGraphics* graphics = nullptr;
    Gdiplus::DllExports::GdipCreateFromHDC(item->hDC, &graphics);
    Gdiplus::GpSolidFill* brush = nullptr;
    Gdiplus::DllExports::GdipCreateSolidFill(0xFFFF0000, &brush);
    Gdiplus::DllExports::GdipFillRectangle(graphics, brush, 0, 0, 10, 10);
    Gdiplus::DllExports::GdipDeleteBrush(brush);
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    return TRUE;
  });
  Start(201);
  HWND preview = Control(306).window;
  std::optional<host::Picture> before = host::ControlPicture(preview);
  ASSERT_TRUE(before);
  EXPECT_EQ(before->width, 132);
  EXPECT_EQ(before->height, 55);
  EXPECT_EQ(before->At(0, 0), 0xFF0A141Eu);  // the face colour where nothing drew
  DRAWITEMSTRUCT item = DialogScript::Current().lastDrawItem;
  EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_STATIC));
  EXPECT_EQ(item.CtlID, 306u);
  EXPECT_EQ(item.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
  EXPECT_EQ(item.hwndItem, preview);
  EXPECT_TRUE(SameRect(item.rcItem, RECT{0, 0, 132, 55}));

  draw = true;
  InvalidateRect(preview, nullptr, TRUE);
  ASSERT_TRUE(Idle());
  std::optional<host::Picture> after = host::ControlPicture(preview);
  EXPECT_EQ(after->At(5, 5), 0xFFFF0000u);
  EXPECT_EQ(after->At(20, 20), 0xFF0A141Eu);
  host::ClickCloseBox(Active());
  Result();
  Gdiplus::GdiplusShutdown(token);
}

TEST_F(DialogTest, DraggingTheSizingBorderSendsWmSize) {
  Start(201);
  HWND dialog = Active();
  ASSERT_TRUE(host::ResizeWindow(dialog, 500, 300));
  ASSERT_TRUE(Idle());
  RECT client{};
  GetClientRect(dialog, &client);
  std::vector<Logged> log = DialogScript::Current().Log();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().message, static_cast<UINT>(WM_SIZE));
  EXPECT_EQ(log.back().lParam, MAKELPARAM(client.right, client.bottom));
  host::ClickCloseBox(dialog);
  Result();
  Start(202);  // no sizing border
  EXPECT_FALSE(host::ResizeWindow(Active(), 500, 300));
}

TEST_F(DialogTest, EndDialogRefusesWindowsItDidNotMake) {
  HWND plain = CreateWindowExW(0, u"#32770", u"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  SetLastError(0);
  EXPECT_FALSE(EndDialog(plain, 1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINDOW_NOT_DIALOG));
  DestroyWindow(plain);
}

}  // namespace
}  // namespace testdialogs
