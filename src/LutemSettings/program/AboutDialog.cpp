#include "program/AboutDialog.h"

#include "program/EulaDialog.h"
#include "program/ProgramInstance.h"
#include "resources/ResourceIds.h"

namespace {

const WCHAR kWebsite[] = TEXT("https://www.hollin.example/lutem-keyboard/");

// The rich edit library is loaded only while the licence is shown.
void ShowLicence(HWND about) {
  HMODULE richEdit = LoadLibraryW(TEXT("riched20.dll"));
  if (richEdit == nullptr) {
    MessageBoxW(about, TEXT("Failed to load riched20.dll"), TEXT("Error"), MB_ICONERROR);
    return;
  }
  DialogBoxParamW(ProgramInstance, MAKEINTRESOURCEW(IDD_EULA), about, EulaDlgProc, 0);
  FreeLibrary(richEdit);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
          EndDialog(dialog, 0);
          return TRUE;
        case IDC_EULA_BUTTON:
          ShowLicence(dialog);
          return TRUE;
        case IDC_WEBSITE_BUTTON:
          ShellExecuteW(dialog, TEXT("open"), kWebsite, nullptr, nullptr, SW_SHOWNORMAL);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}
