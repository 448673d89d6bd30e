/* Shows the settings program's dialogs on the Wine stage's screen, for
 * pictures of them as Windows controls draw them. It follows the protocol
 * of screenshots.sh: when a dialog is drawn it prints "LUTEM SCREEN READY
 * name", waits for a line on standard input, and at the end exits with 0
 * (1 when a dialog did not appear).
 *   settings-screens.exe PATH\LutemSettings.exe
 * The program's folder must hold UI\themes.dov and EULA.rtf, as installed;
 * its "rootDir" is recorded first, as the settings server records it. */
#include <windows.h>
#include <stdio.h>
#include <wchar.h>

static HWND WaitForWindow(const wchar_t* title) {
  for (int i = 0; i < 200; ++i) {
    HWND window = FindWindowW(NULL, title);
    if (window != NULL && IsWindowVisible(window)) return window;
    Sleep(50);
  }
  fwprintf(stderr, L"settings-screens: no window \"%ls\"\n", title);
  return NULL;
}

static void Picture(const char* name) {
  char line[16];
  Sleep(700); /* the window's paint reaches the screen */
  printf("LUTEM SCREEN READY %s\n", name);
  fflush(stdout);
  if (fgets(line, sizeof line, stdin) == NULL) ExitProcess(1);
}

static HANDLE Start(const wchar_t* program, const wchar_t* arguments) {
  wchar_t commandLine[1024];
  STARTUPINFOW startup = {sizeof startup};
  PROCESS_INFORMATION process;
  swprintf(commandLine, 1024, L"\"%ls\"%ls", program, arguments);
  if (!CreateProcessW(program, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
    return NULL;
  WaitForInputIdle(process.hProcess, 10000);
  CloseHandle(process.hThread);
  return process.hProcess;
}

static int End(HANDLE process, HWND window) {
  DWORD code = 1;
  PostMessageW(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process, 10000);
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code == 0;
}

/* The item of the combo box whose text is name, chosen as a user would. */
static void ChooseTheme(HWND dialog, const wchar_t* name) {
  HWND combo = GetDlgItem(dialog, 1001);
  LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)name);
  if (index == CB_ERR) return;
  SendMessageW(combo, CB_SETCURSEL, (WPARAM)index, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1001, CBN_SELCHANGE), (LPARAM)combo);
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const wchar_t* program = argv[1];
  wchar_t root[MAX_PATH];
  wcsncpy(root, program, MAX_PATH - 1);
  root[MAX_PATH - 1] = 0;
  wchar_t* slash = wcsrchr(root, L'\\');
  if (slash != NULL) *slash = 0;
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Hollin\\Lutem Keyboard", 0, NULL, 0,
                      KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
    return 1;
  RegSetValueExW(key, L"rootDir", 0, REG_SZ, (const BYTE*)root,
                 (DWORD)((wcslen(root) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);

  HANDLE settings = Start(program, L"");
  HWND dialog = settings ? WaitForWindow(L"Lutem Settings") : NULL;
  if (dialog == NULL) return 1;
  ChooseTheme(dialog, L"Lutem Dark");
  Picture("settings-dialog");
  ChooseTheme(dialog, L"Midnight Teal");
  Picture("settings-dialog-midnight");
  if (!End(settings, dialog)) return 1;

  HANDLE about = Start(program, L" /about");
  HWND box = about ? WaitForWindow(L"About Lutem") : NULL;
  if (box == NULL) return 1;
  Picture("about-box");
  PostMessageW(GetDlgItem(box, 1005), BM_CLICK, 0, 0);
  HWND licence = WaitForWindow(L"End-User License Agreement");
  if (licence == NULL) return 1;
  Picture("licence-dialog");
  PostMessageW(licence, WM_CLOSE, 0, 0);
  Sleep(300);
  return End(about, box) ? 0 : 1;
}
