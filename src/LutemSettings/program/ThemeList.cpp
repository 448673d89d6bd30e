#include "program/ThemeList.h"

#include <string>

#include "common/SettingsIpcConstants.h"
#include "common/ThemeFile.h"
#include "program/SettingsDialog.h"
#include "settings/DebugLog.h"
#include "themes/ThemeFileReader.h"

namespace {

// Valid JSON that the list cannot use is reported as a syntax error is: in
// the debug log and in a message box, without ending the program.
void ReportUnusable(const ThemeFileContents& contents) {
  if (contents.notAnObject) {
    DebugLog(TEXT("Error: themes.json holds no object of themes."));
    MessageBoxW(nullptr,
                TEXT("Could not read the themes in themes.json: it must hold one JSON object of "
                     "themes."),
                TEXT("JSON Error"), MB_ICONERROR);
    return;
  }
  if (contents.problems.empty()) return;
  std::u16string text = u"These themes in themes.json could not be read and are not listed:";
  for (const ThemeProblem& problem : contents.problems) {
    DebugLog(TEXT("Error: Theme '%s' in themes.json is left out: %hs"), AsWchar(problem.id.c_str()),
             problem.reason.c_str());
    text += u"\n";
    text += problem.id;
  }
  MessageBoxW(nullptr, AsWchar(text.c_str()), TEXT("JSON Error"), MB_ICONERROR);
}

}  // namespace

std::vector<ThemeRecord>& ThemeList() {
  static std::vector<ThemeRecord> themes;
  return themes;
}

void LoadThemes(HWND comboBox) {
  std::vector<ThemeRecord>& themes = ThemeList();
  themes.clear();
  std::u16string rootDir =
      ReadRegistryString(AsWchar(SettingsIpcConstants::keyRootDir.data()), u"");
  if (rootDir.empty()) {
    DebugLog(TEXT("Error: 'rootDir' not found in registry."));
    MessageBoxW(nullptr, TEXT("Could not find the application's root directory."),
                TEXT("Configuration Error"), MB_ICONERROR);
    return;
  }
  std::u16string path = ThemeFilePath(rootDir);
  std::string text;
  if (!ReadThemeFile(path, &text)) {
    DebugLog(TEXT("Error: Could not open themes.json at %s"), AsWchar(path.c_str()));
    std::u16string message = u"Could not open themes.json.\nPath: " + path;
    MessageBoxW(nullptr, AsWchar(message.c_str()), TEXT("File Error"), MB_ICONERROR);
    return;
  }
  ThemeFileContents contents = ThemeFileReader::Read(text);
  if (!contents.syntaxError.empty()) {
    DebugLog(TEXT("Error: Failed to parse themes.json. Details: %hs"),
             contents.syntaxError.c_str());
    MessageBoxW(nullptr, TEXT("Failed to parse themes.json. It might be corrupt."),
                TEXT("JSON Error"), MB_ICONERROR);
    return;
  }
  ReportUnusable(contents);
  themes = std::move(contents.themes);
  for (const ThemeRecord& theme : themes)
    SendMessageW(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWchar(theme.name.c_str())));
}
