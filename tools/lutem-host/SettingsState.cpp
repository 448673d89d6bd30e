#include "SettingsState.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/CandidateWindowNames.h"
#include "conversion/WideToUtf8.h"
#include "host/gdi32/Picture.h"
#include "host/kernel32/DebugOutput.h"
#include "host/kernel32/Programs.h"
#include "host/riched20/RichEdit.h"
#include "host/user32/Desktop.h"
#include "host/user32/Dialogs.h"
#include "host/user32/MessageBoxes.h"
#include "host/user32/MessageLog.h"

using nlohmann::json;

namespace {

constexpr int kPreviewId = 1004;
const char16_t kSettingsKey[] = u"Software\\Hollin\\Lutem Keyboard";

json RegistryValues() {
  json values = json::object();
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, AsWchar(kSettingsKey), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return values;
  for (DWORD index = 0;; ++index) {
    WCHAR name[256];
    DWORD nameLength = 256;
    BYTE data[1024];
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
      break;
    std::string shownName = SettingsState::Utf8(std::u16string(AsChar16(name), nameLength));
    if (type == REG_DWORD && size == 4) {
      DWORD number = 0;
      std::memcpy(&number, data, 4);
      values[shownName] = number;
    } else if (type == REG_SZ) {
      std::u16string text(size / 2, u'\0');
      std::memcpy(text.data(), data, text.size() * 2);
      values[shownName] = SettingsState::Utf8(std::u16string(text.c_str()));
    } else {
      values[shownName] = {{"type", type}, {"bytes", size}};
    }
  }
  RegCloseKey(key);
  return values;
}

std::u16string WithoutAccessKey(const std::u16string& text) {
  std::u16string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

std::u16string Folded(std::u16string text) {
  for (char16_t& c : text)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return text;
}

json Control(const host::ControlInfo& control) {
  json shown = {
      {"id", control.id},
      {"class", SettingsState::Utf8(control.className)},
      {"text", SettingsState::Utf8(control.text)},
      {"rect", {control.rect.left, control.rect.top, control.rect.right, control.rect.bottom}}};
  if (!control.enabled) shown["enabled"] = false;
  if (!control.visible) shown["visible"] = false;
  DWORD buttonType = control.style & BS_TYPEMASK;
  if (control.className == u"Button" && buttonType != BS_PUSHBUTTON &&
      buttonType != BS_DEFPUSHBUTTON && buttonType != BS_GROUPBOX)
    shown["checked"] = control.check == BST_CHECKED;
  if (control.className == u"ComboBox") {
    json items = json::array();
    for (const std::u16string& item : control.items) items.push_back(SettingsState::Utf8(item));
    shown["items"] = items;
    shown["selection"] = control.selection;
  }
  if (auto richEdit = host::DescribeRichEdit(control.window)) {
    shown["streamedBytes"] = richEdit->streamedBytes.size();
    shown["selection"] = {richEdit->selectionStart, richEdit->selectionEnd};
  }
  return shown;
}

json Dialog(const host::DialogInfo& dialog) {
  json controls = json::array();
  for (const host::ControlInfo& control : dialog.controls) controls.push_back(Control(control));
  return {{"title", SettingsState::Utf8(dialog.title)},
          {"template", SettingsState::Utf8(dialog.templateName)},
          {"enabled", dialog.enabled},
          {"topmost", (dialog.exStyle & WS_EX_TOPMOST) != 0},
          {"size", {dialog.rect.right - dialog.rect.left, dialog.rect.bottom - dialog.rect.top}},
          {"controls", controls}};
}

const char* IconName(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
      return "error";
    case MB_ICONWARNING:
      return "warning";
    case MB_ICONINFORMATION:
      return "information";
    case MB_ICONQUESTION:
      return "question";
    default:
      return "none";
  }
}

// Every theme message the candidate windows of the desktop were given.
size_t ThemeMessagesDelivered() {
  UINT message = RegisterWindowMessageW(AsWchar(CandidateWindowNames::themeUpdateMessage.data()));
  size_t count = 0;
  for (HWND window : host::WindowsOfClass(CandidateWindowNames::windowClass))
    for (const host::LoggedMessage& logged : host::MessageLog(window))
      if (logged.message == message) ++count;
  return count;
}

std::vector<host::DialogInfo> DialogsOf(DWORD process) {
  DWORD thread = host::ProgramMainThread(process);
  std::vector<host::DialogInfo> dialogs;
  for (host::DialogInfo& dialog : host::Dialogs())
    if (dialog.threadId == thread) dialogs.push_back(std::move(dialog));
  return dialogs;
}

}  // namespace

std::u16string SettingsState::Utf16(const std::string& text) { return Utf8ToWide(text); }

std::string SettingsState::Utf8(const std::u16string& text) { return WideToUtf8(text); }

json SettingsState::Collect(DWORD process) {
  json report;
  report["settings"] = RegistryValues();
  json dialogs = json::array();
  if (!host::ProgramEnded(process))
    for (const host::DialogInfo& dialog : DialogsOf(process)) dialogs.push_back(Dialog(dialog));
  report["dialogs"] = dialogs;

  std::vector<host::MessageBoxRecord> boxes = host::MessageBoxes();
  json shownBoxes = json::array();
  for (size_t i = messageBoxesSeen_; i < boxes.size(); ++i)
    shownBoxes.push_back({{"caption", Utf8(boxes[i].caption)},
                          {"text", Utf8(boxes[i].text)},
                          {"icon", IconName(boxes[i].type)}});
  messageBoxesSeen_ = boxes.size();
  report["messageBoxes"] = shownBoxes;

  std::vector<host::DebugOutputEntry> output = host::DebugOutput();
  std::u16string text;
  for (size_t i = debugOutputSeen_; i < output.size(); ++i) text += output[i].text;
  debugOutputSeen_ = output.size();
  json lines = json::array();
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    lines.push_back(Utf8(text.substr(start, end - start)));
    start = end + 1;
  }
  report["debugOutput"] = lines;

  size_t delivered = ThemeMessagesDelivered();
  report["themeMessageReachedCandidateWindow"] = delivered > themeMessagesSeen_;
  themeMessagesSeen_ = delivered;
  return report;
}

bool SettingsState::WritePreview(const std::string& path) {
  for (const host::DialogInfo& dialog : host::Dialogs())
    for (const host::ControlInfo& control : dialog.controls)
      if (control.id == kPreviewId && control.className == u"Static")
        if (std::optional<host::Picture> picture = host::ControlPicture(control.window))
          return host::WritePng(*picture, path);
  return false;
}

int SettingsState::ControlId(HWND dialog, const std::string& target) {
  std::optional<host::DialogInfo> info = host::DescribeDialog(dialog);
  if (!info) return 0;
  std::u16string wanted = Folded(Utf16(target));
  for (const host::ControlInfo& control : info->controls) {
    if (std::to_string(control.id) == target && control.id != 0) return control.id;
    if (control.id > 0 && Folded(WithoutAccessKey(control.text)) == wanted) return control.id;
  }
  return 0;
}

int SettingsState::ItemIndex(HWND dialog, int comboId, const std::string& text) {
  std::optional<host::DialogInfo> info = host::DescribeDialog(dialog);
  if (!info) return -1;
  std::u16string wanted = Folded(Utf16(text));
  for (const host::ControlInfo& control : info->controls) {
    if (control.id != comboId) continue;
    for (size_t i = 0; i < control.items.size(); ++i)
      if (Folded(control.items[i]) == wanted) return static_cast<int>(i);
  }
  return -1;
}

std::string SettingsState::ForegroundTitle() {
  HWND window = GetForegroundWindow();
  if (window == nullptr) return std::string();
  WCHAR title[256] = {};
  int length = GetWindowTextW(window, title, 256);
  return Utf8(std::u16string(AsChar16(title), static_cast<size_t>(length)));
}

std::string SettingsState::Describe(const json& report) {
  std::string text = report.value("action", std::string()) + ":";
  if (report.contains("done") && !report["done"].get<bool>()) text += " could not be done";
  if (report.contains("exitCode"))
    text += " the program ended with code " + std::to_string(report["exitCode"].get<int>());
  text += "\n";
  for (const auto& dialog : report["dialogs"]) {
    text += "  dialog \"" + dialog["title"].get<std::string>() + "\"";
    for (const auto& control : dialog["controls"]) {
      if (control.contains("checked"))
        text += std::string(control["checked"].get<bool>() ? " [x] " : " [ ] ") +
                control["text"].get<std::string>() + ";";
      if (control.contains("items"))
        text += " theme \"" + control["text"].get<std::string>() + "\";";
    }
    text += "\n";
  }
  for (const auto& box : report["messageBoxes"])
    text += "  message box \"" + box["caption"].get<std::string>() +
            "\": " + box["text"].get<std::string>() + "\n";
  if (report.contains("secondStart"))
    text += "  second start ended with code " +
            std::to_string(report["secondStart"]["exitCode"].get<int>()) + "; in front: \"" +
            report["secondStart"]["foreground"].get<std::string>() + "\"\n";
  if (report["themeMessageReachedCandidateWindow"].get<bool>())
    text += "  the theme message reached a candidate window\n";
  if (report.contains("preview"))
    text += "  preview: " + report["preview"].get<std::string>() + "\n";
  text += "  settings: " + report["settings"].dump() + "\n";
  return text;
}
