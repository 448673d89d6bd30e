#include "program/SettingsDialog.h"

#include "common/CandidateWindowNames.h"
#include "common/SettingsIpcConstants.h"
#include "program/DrawPreview.h"
#include "program/SettingsKey.h"
#include "program/ThemeList.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsValues.h"

namespace {

bool IsChecked(HWND dialog, int id) {
  return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool on) {
  SendDlgItemMessageW(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Once the registry holds the new id, the first candidate window of the
// input method hears of it; without one (the input method not active
// anywhere) nothing is posted.
void AnnounceTheme(HWND dialog) {
  UINT message = RegisterWindowMessageW(AsWchar(CandidateWindowNames::themeUpdateMessage.data()));
  if (message != 0) {
    if (HWND candidateWindow =
            FindWindowW(AsWchar(CandidateWindowNames::windowClass.data()), nullptr))
      PostMessageW(candidateWindow, message, 0, 0);
  }
  InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), nullptr, TRUE);
}

INT_PTR OnCommand(HWND dialog, WORD id, WORD code) {
  switch (id) {
    case IDOK:
    case IDCANCEL:
      EndDialog(dialog, 0);
      break;
    case IDC_THEME_COMBO:
      if (code == CBN_SELCHANGE) {
        SaveSettings(dialog, id);
        AnnounceTheme(dialog);
      }
      break;
    case IDC_SMART_CORRECTION:
    case IDC_CANDIDATE_WINDOW:
    case IDC_SAVE_CANDIDATES:
      if (code == BN_CLICKED) SaveSettings(dialog, id);
      break;
    default:
      break;
  }
  return TRUE;
}

}  // namespace

std::u16string ReadRegistryString(const WCHAR* name, const std::u16string& fallback) {
  return ReadStringValue(settingsKey.Handle(), name, fallback);
}

void InitSettingsDialog(HWND dialog) {
  LoadThemes(GetDlgItem(dialog, IDC_THEME_COMBO));
  SettingsValues values = SettingsValues::Read(settingsKey.Handle());
  SetChecked(dialog, IDC_SMART_CORRECTION, values.smartCorrection);
  SetChecked(dialog, IDC_SAVE_CANDIDATES, values.saveCandidates);
  SetChecked(dialog, IDC_CANDIDATE_WINDOW, values.candidateWindow);
  const std::vector<ThemeRecord>& themes = ThemeList();
  for (size_t i = 0; i < themes.size(); ++i) {
    if (themes[i].id == values.themeId) {
      SendDlgItemMessageW(dialog, IDC_THEME_COMBO, CB_SETCURSEL, i, 0);
      break;
    }
  }
}

void SaveSettings(HWND dialog, int control) {
  HKEY key = settingsKey.Handle();
  if (key == nullptr) return;
  switch (control) {
    case IDC_SMART_CORRECTION:
      WriteFlagValue(key, SettingsIpcConstants::keySmartCorrection, IsChecked(dialog, control));
      break;
    case IDC_SAVE_CANDIDATES:
      WriteFlagValue(key, SettingsIpcConstants::keySaveCandidates, IsChecked(dialog, control));
      break;
    case IDC_CANDIDATE_WINDOW:
      WriteFlagValue(key, SettingsIpcConstants::keyCandidateWindow, IsChecked(dialog, control));
      break;
    case IDC_THEME_COMBO: {
      LRESULT selected = SendDlgItemMessageW(dialog, IDC_THEME_COMBO, CB_GETCURSEL, 0, 0);
      const std::vector<ThemeRecord>& themes = ThemeList();
      if (selected != CB_ERR && selected >= 0 && static_cast<size_t>(selected) < themes.size())
        WriteThemeIdValue(key, themes[static_cast<size_t>(selected)].id);
      break;
    }
    default:
      break;
  }
}

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_INITDIALOG:
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        InitSettingsDialog(dialog);
        return TRUE;
      case WM_DRAWITEM:
        if (wParam == IDC_PREVIEW) DrawPreview(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
      default:
        return FALSE;
    }
  } catch (...) {
    // No memory for the theme list or a record: the dialog stays usable.
    return FALSE;
  }
}
