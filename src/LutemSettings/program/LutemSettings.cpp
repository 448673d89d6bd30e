// The settings program's entry point.
#include "Platform.h"
#include "program/AboutDialog.h"
#include "program/ProgramInstance.h"
#include "program/SettingsDialog.h"
#include "resources/ResourceIds.h"

HINSTANCE ProgramInstance = nullptr;

namespace {

const WCHAR kMutexName[] = TEXT("LutemNativeSettingsMutex");

// A second start brings the first one's window forward: its settings
// dialog, or its About box when that is all it shows.
void BringFirstInstanceForward() {
  HWND window = FindWindowW(nullptr, TEXT("Lutem Settings"));
  if (window == nullptr) window = FindWindowW(nullptr, TEXT("About Lutem"));
  if (window != nullptr) SetForegroundWindow(window);
}

bool IsAboutOnly(const WCHAR* commandLine) {
  const WCHAR about[] = TEXT("/about");
  if (commandLine == nullptr) return false;
  size_t i = 0;
  for (; about[i] != 0; ++i)
    if (commandLine[i] != about[i]) return false;
  return commandLine[i] == 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
  ProgramInstance = instance;
  HANDLE mutex = CreateMutexW(nullptr, TRUE, kMutexName);
  if (mutex == nullptr) return 1;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    BringFirstInstanceForward();
    CloseHandle(mutex);
    return 0;
  }

  Gdiplus::GdiplusStartupInput startup;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &startup, nullptr);

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  if (IsAboutOnly(commandLine))
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, AboutDlgProc, 0);
  else
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS), nullptr, SettingsDlgProc, 0);

  Gdiplus::GdiplusShutdown(token);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  return 0;
}
