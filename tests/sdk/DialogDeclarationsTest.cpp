// The declarations of dialogs, controls, message boxes, common controls,
// the rich edit control and the path calls that the settings program is
// written against, checked on both builds: here against our headers, on
// Windows against mingw-w64's.
#include <gtest/gtest.h>

#include <cstddef>
#include <type_traits>

#include "Platform.h"

namespace {

#define LUTEM_SAME_SIGNATURE(function, ...) \
  static_assert(std::is_same_v<decltype(&function), __VA_ARGS__>, #function)

LUTEM_SAME_SIGNATURE(DialogBoxParamW, INT_PTR(WINAPI*)(HINSTANCE, LPCWSTR, HWND, DLGPROC, LPARAM));
LUTEM_SAME_SIGNATURE(EndDialog, BOOL(WINAPI*)(HWND, INT_PTR));
LUTEM_SAME_SIGNATURE(SendDlgItemMessageW, LRESULT(WINAPI*)(HWND, int, UINT, WPARAM, LPARAM));
LUTEM_SAME_SIGNATURE(DefDlgProcW, LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM));
LUTEM_SAME_SIGNATURE(MessageBoxW, int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT));
LUTEM_SAME_SIGNATURE(GetSysColor, DWORD(WINAPI*)(int));
LUTEM_SAME_SIGNATURE(SetFocus, HWND(WINAPI*)(HWND));
LUTEM_SAME_SIGNATURE(GetFocus, HWND(WINAPI*)());
LUTEM_SAME_SIGNATURE(IsChild, BOOL(WINAPI*)(HWND, HWND));
LUTEM_SAME_SIGNATURE(InitCommonControlsEx, BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*));
LUTEM_SAME_SIGNATURE(PathRemoveFileSpecW, BOOL(WINAPI*)(LPWSTR));
LUTEM_SAME_SIGNATURE(PathAppendW, BOOL(WINAPI*)(LPWSTR, LPCWSTR));
LUTEM_SAME_SIGNATURE(OutputDebugStringW, void(WINAPI*)(LPCWSTR));
LUTEM_SAME_SIGNATURE(ShellExecuteW,
                     HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT));
static_assert(std::is_same_v<DLGPROC, INT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM)>, "DLGPROC");
static_assert(std::is_same_v<EDITSTREAMCALLBACK, DWORD(CALLBACK*)(DWORD_PTR, LPBYTE, LONG, LONG*)>,
              "EDITSTREAMCALLBACK");

TEST(DialogDeclarationsTest, Constants) {
  struct Case {
    const char* name;
    long long value;
    long long expected;
  };
  const Case cases[] = {
      {"WM_SIZE", WM_SIZE, 0x0005},
      {"WM_CLOSE", WM_CLOSE, 0x0010},
      {"WM_DRAWITEM", WM_DRAWITEM, 0x002B},
      {"WM_GETDLGCODE", WM_GETDLGCODE, 0x0087},
      {"WM_INITDIALOG", WM_INITDIALOG, 0x0110},
      {"WM_COMMAND", WM_COMMAND, 0x0111},
      {"WM_SYSCOMMAND", WM_SYSCOMMAND, 0x0112},
      {"SC_CLOSE", SC_CLOSE, 0xF060},
      {"IDOK", IDOK, 1},
      {"IDCANCEL", IDCANCEL, 2},
      {"DS_SETFONT", DS_SETFONT, 0x40},
      {"DS_MODALFRAME", DS_MODALFRAME, 0x80},
      {"DS_NOFAILCREATE", DS_NOFAILCREATE, 0x10},
      {"DS_CENTER", DS_CENTER, 0x800},
      {"DWLP_MSGRESULT", DWLP_MSGRESULT, 0},
      {"DWLP_DLGPROC", DWLP_DLGPROC, static_cast<long long>(sizeof(LRESULT))},
      {"DM_GETDEFID", DM_GETDEFID, 0x0400},
      {"DC_HASDEFID", DC_HASDEFID, 0x534B},
      {"DLGC_HASSETSEL", DLGC_HASSETSEL, 0x0008},
      {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX, 3},
      {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON, 1},
      {"BS_GROUPBOX", BS_GROUPBOX, 7},
      {"BM_GETCHECK", BM_GETCHECK, 0x00F0},
      {"BM_SETCHECK", BM_SETCHECK, 0x00F1},
      {"BST_CHECKED", BST_CHECKED, 1},
      {"BN_CLICKED", BN_CLICKED, 0},
      {"SS_ICON", SS_ICON, 3},
      {"SS_OWNERDRAW", SS_OWNERDRAW, 0xD},
      {"STM_GETICON", STM_GETICON, 0x0171},
      {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST, 3},
      {"CB_ADDSTRING", CB_ADDSTRING, 0x0143},
      {"CB_GETCURSEL", CB_GETCURSEL, 0x0147},
      {"CB_SETCURSEL", CB_SETCURSEL, 0x014E},
      {"CB_ERR", CB_ERR, -1},
      {"CBN_SELCHANGE", CBN_SELCHANGE, 1},
      {"EM_SETSEL", EM_SETSEL, 0x00B1},
      {"ES_READONLY", ES_READONLY, 0x0800},
      {"EM_STREAMIN", EM_STREAMIN, 0x0449},
      {"SF_RTF", SF_RTF, 2},
      {"ODT_STATIC", ODT_STATIC, 5},
      {"ODA_DRAWENTIRE", ODA_DRAWENTIRE, 1},
      {"MB_ICONERROR", MB_ICONERROR, 0x10},
      {"MB_ICONINFORMATION", MB_ICONINFORMATION, 0x40},
      {"COLOR_BTNFACE", COLOR_BTNFACE, 15},
      {"ICC_STANDARD_CLASSES", ICC_STANDARD_CLASSES, 0x4000},
      {"KEY_READ|KEY_WRITE", KEY_READ | KEY_WRITE, 0x2001F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.value, c.expected);
  }
}

TEST(DialogDeclarationsTest, RecordLayouts) {
  EXPECT_EQ(sizeof(DRAWITEMSTRUCT), sizeof(void*) == 8 ? 64u : 48u);
  EXPECT_EQ(offsetof(DRAWITEMSTRUCT, hwndItem), sizeof(void*) == 8 ? 24u : 20u);
  EXPECT_EQ(offsetof(DRAWITEMSTRUCT, rcItem), sizeof(void*) == 8 ? 40u : 28u);
  // Packed to 4 bytes.
  EXPECT_EQ(offsetof(EDITSTREAM, pfnCallback), sizeof(DWORD_PTR) + 4);
  EXPECT_EQ(sizeof(EDITSTREAM), 2 * sizeof(void*) + 4);
  EXPECT_EQ(sizeof(INITCOMMONCONTROLSEX), 8u);
}

}  // namespace
