#include "program/EulaDialog.h"

#include <cstdio>

#include "eula/EulaLayout.h"
#include "resources/ResourceIds.h"

namespace {

// The open licence dialog's text control, for its resizing.
HWND richEdit = nullptr;

void ReportMissingFile(HWND dialog) {
  MessageBoxW(dialog,
              TEXT("Could not find or load 'EULA.rtf'.\nPlease place it in the same directory as "
                   "the executable."),
              TEXT("File Not Found"), MB_ICONINFORMATION);
}

// The licence file next to the program; false when its path cannot be had.
bool LicencePath(WCHAR (&path)[MAX_PATH]) {
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  // A cut path is not the program's.
  if (length == 0 || length >= MAX_PATH) return false;
  PathRemoveFileSpecW(path);
  return true;
}

// True when the text was loaded; false when a message box said why not.
bool LoadLicence(HWND dialog) {
  WCHAR path[MAX_PATH];
  if (!LicencePath(path)) {
    MessageBoxW(dialog, TEXT("Could not determine the application's path."), TEXT("Error"),
                MB_ICONERROR);
    return false;
  }
  std::FILE* file = nullptr;
  if (!PathAppendW(path, TEXT("EULA.rtf")) || _wfopen_s(&file, path, TEXT("rb")) != 0 ||
      file == nullptr) {
    ReportMissingFile(dialog);
    return false;
  }
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = EulaStreamCallback;
  SendMessageW(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  std::fclose(file);
  if (stream.dwError != 0) {
    ReportMissingFile(dialog);
    return false;
  }
  // The text starts at the top with nothing selected. The focus is given
  // here: the dialog manager would select all of the text as it gave it.
  SetFocus(richEdit);
  SendMessageW(richEdit, EM_SETSEL, 0, 0);
  return true;
}

void Layout(HWND dialog) {
  HWND button = GetDlgItem(dialog, IDOK);
  if (richEdit == nullptr || button == nullptr) return;
  RECT client{};
  GetClientRect(dialog, &client);
  RECT place{};
  GetWindowRect(button, &place);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
  EulaLayout layout = EulaLayout::For(client.right, client.bottom, place.right - place.left,
                                      place.bottom - place.top);
  SetWindowPos(richEdit, nullptr, layout.textX, layout.textY, layout.textWidth, layout.textHeight,
               SWP_NOZORDER);
  SetWindowPos(button, nullptr, layout.buttonX, layout.buttonY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace

DWORD CALLBACK EulaStreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG bytes, LONG* bytesDone) {
  auto* file = reinterpret_cast<std::FILE*>(cookie);
  size_t read = bytes > 0 ? std::fread(buffer, 1, static_cast<size_t>(bytes), file) : 0;
  *bytesDone = static_cast<LONG>(read);
  // A file that cannot be read would otherwise end the transfer as an empty
  // licence, shown as if all was well.
  return read == 0 && std::ferror(file) ? 1 : 0;
}

INT_PTR CALLBACK EulaDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      richEdit = GetDlgItem(dialog, IDC_EULA_TEXT);
      if (richEdit == nullptr) {
        MessageBoxW(dialog, TEXT("Failed to get Rich Edit control handle."), TEXT("Error"),
                    MB_ICONERROR);
        EndDialog(dialog, -1);
        return FALSE;
      }
      // The resource's placement is not the dialog's layout: apply it now,
      // or the dialog opens in one layout and jumps at its first resize.
      Layout(dialog);
      return LoadLicence(dialog) ? FALSE : TRUE;
    case WM_SIZE:
      Layout(dialog);
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY:
      // A later licence dialog must not lay out this one's control.
      richEdit = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}
