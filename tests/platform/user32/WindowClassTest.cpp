#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "gdi32/GdiObjectTable.h"
#include "gdi32/StockObject.h"
#include "host/FailureSwitch.h"

namespace {

LRESULT CALLBACK NoProcedure(HWND, UINT, WPARAM, LPARAM) { return 0; }

const HINSTANCE kModuleA = reinterpret_cast<HINSTANCE>(0x400000);
const HINSTANCE kModuleB = reinterpret_cast<HINSTANCE>(0x500000);

WNDCLASSW ClassNamed(LPCWSTR name, HINSTANCE instance, UINT style = 0) {
  WNDCLASSW wc{};
  wc.style = style;
  wc.lpfnWndProc = NoProcedure;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  return wc;
}

struct WindowClassTest : ::testing::Test {
  void TearDown() override { host::ClearFailures(); }
};

TEST_F(WindowClassTest, RegistrationIsKeptAsGivenAndFoundByNameOrAtom) {
  std::u16string name = u"Test.Kept";
  WNDCLASSW wc = ClassNamed(name.c_str(), kModuleA, CS_IME | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  wc.cbWndExtra = 16;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  wc.lpszMenuName = u"Menu";
  ATOM atom = RegisterClassW(&wc);
  ASSERT_GE(atom, 0xC000);
  name.assign(u"Overwritten");  // the caller's strings may go away

  WNDCLASSW byName{};
  ASSERT_TRUE(GetClassInfoW(kModuleA, u"TEST.KEPT", &byName));
  EXPECT_EQ(byName.style, 0x1000Bu);
  EXPECT_EQ(byName.lpfnWndProc, &NoProcedure);
  EXPECT_EQ(byName.cbWndExtra, 16);
  EXPECT_EQ(byName.hInstance, kModuleA);
  EXPECT_EQ(byName.hCursor, wc.hCursor);
  EXPECT_EQ(byName.hbrBackground, wc.hbrBackground);
  EXPECT_EQ(std::u16string(byName.lpszMenuName), u"Menu");
  WNDCLASSW byAtom{};
  EXPECT_TRUE(GetClassInfoW(kModuleA, MAKEINTATOM(atom), &byAtom));
  EXPECT_EQ(byAtom.lpfnWndProc, &NoProcedure);
  EXPECT_TRUE(UnregisterClassW(MAKEINTATOM(atom), kModuleA));
}

TEST_F(WindowClassTest, OneNamePerModuleUnlessGlobal) {
  WNDCLASSW first = ClassNamed(u"Test.Twice", kModuleA);
  ASSERT_NE(RegisterClassW(&first), 0);
  WNDCLASSW again = ClassNamed(u"test.twice", kModuleA);
  SetLastError(0);
  EXPECT_EQ(RegisterClassW(&again), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));

  // Another module has classes of its own: same name, same atom.
  WNDCLASSW other = ClassNamed(u"Test.Twice", kModuleB);
  ATOM otherAtom = RegisterClassW(&other);
  WNDCLASSW info{};
  EXPECT_EQ(otherAtom, GetClassInfoW(kModuleA, u"Test.Twice", &info));
  EXPECT_EQ(info.hInstance, kModuleA);
  EXPECT_TRUE(UnregisterClassW(u"Test.Twice", kModuleA));
  EXPECT_TRUE(UnregisterClassW(u"Test.Twice", kModuleB));

  // A global class is found from any module and blocks the name everywhere.
  WNDCLASSW global = ClassNamed(u"Test.Global", kModuleA, CS_GLOBALCLASS);
  ASSERT_NE(RegisterClassW(&global), 0);
  EXPECT_TRUE(GetClassInfoW(kModuleB, u"Test.Global", &info));
  WNDCLASSW local = ClassNamed(u"Test.Global", kModuleB);
  EXPECT_EQ(RegisterClassW(&local), 0);
  EXPECT_TRUE(UnregisterClassW(u"Test.Global", kModuleA));
}

TEST_F(WindowClassTest, UnregisteredClassIsGoneAndCanBeRegisteredAgain) {
  WNDCLASSW wc = ClassNamed(u"Test.Again", kModuleA);
  ATOM first = RegisterClassW(&wc);
  ASSERT_NE(first, 0);
  EXPECT_TRUE(UnregisterClassW(u"Test.Again", kModuleA));
  WNDCLASSW info{};
  SetLastError(0);
  EXPECT_FALSE(GetClassInfoW(kModuleA, u"Test.Again", &info));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
  EXPECT_FALSE(UnregisterClassW(u"Test.Again", kModuleA));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
  EXPECT_EQ(RegisterClassW(&wc), first);  // the name keeps its atom
  EXPECT_TRUE(UnregisterClassW(u"Test.Again", kModuleA));
}

TEST_F(WindowClassTest, RefusesIncompleteRegistrationsAndInjectedFailure) {
  WNDCLASSW noProcedure = ClassNamed(u"Test.Bad", kModuleA);
  noProcedure.lpfnWndProc = nullptr;
  WNDCLASSW noName = ClassNamed(u"", kModuleA);
  WNDCLASSW negativeExtra = ClassNamed(u"Test.Bad", kModuleA);
  negativeExtra.cbWndExtra = -1;
  for (const WNDCLASSW* bad : {&noProcedure, &noName, &negativeExtra}) {
    SetLastError(0);
    EXPECT_EQ(RegisterClassW(bad), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  host::FailCall("RegisterClassW");
  WNDCLASSW good = ClassNamed(u"Test.Failing", kModuleA);
  EXPECT_EQ(RegisterClassW(&good), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  ASSERT_NE(RegisterClassW(&good), 0);  // only the armed call fails
  EXPECT_TRUE(UnregisterClassW(u"Test.Failing", kModuleA));
}

TEST(SystemCursorTest, SharedPerIdAndOnlyForSystemIds) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  ASSERT_NE(arrow, nullptr);
  ASSERT_NE(hand, nullptr);
  EXPECT_NE(arrow, hand);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
  EXPECT_EQ(LoadCursorW(nullptr, MAKEINTRESOURCEW(1)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(LoadCursorW(kModuleA, IDC_ARROW), nullptr);
}

TEST(StockObjectTest, OneHandlePerIndexKeptInGdisTableAsStock) {
  HGDIOBJ light = GetStockObject(LTGRAY_BRUSH);
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(GetStockObject(LTGRAY_BRUSH), light);
  platform::GdiObjectTable& table = platform::GdiObjectTable::Instance();
  EXPECT_TRUE(table.IsStock(light));
  auto brush = table.FindAs<platform::StockObject>(light);
  ASSERT_NE(brush, nullptr);
  EXPECT_EQ(brush->Type(), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(brush->Color(), RGB(192, 192, 192));
  EXPECT_EQ(table.FindAs<platform::StockObject>(GetStockObject(DEFAULT_GUI_FONT))->Type(),
            static_cast<DWORD>(OBJ_FONT));
  EXPECT_TRUE(DeleteObject(light));  // harmless
  EXPECT_TRUE(table.IsStock(light));

  // A new DC holds the stock white brush and black pen.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ brushBefore = SelectObject(dc, GetStockObject(GRAY_BRUSH));
  EXPECT_EQ(brushBefore, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_PEN)), GetStockObject(BLACK_PEN));
  DeleteDC(dc);
  for (int missing : {-1, 9, 20}) EXPECT_EQ(GetStockObject(missing), nullptr) << missing;
}

}  // namespace
