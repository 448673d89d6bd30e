// The settings program as a user meets it: its image started on a fresh
// stand-in drive C:, installed in the 32-bit Program Files folder (with the
// theme file and, when a test wants it, the licence text), and worked from
// outside through the host.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/kernel32/DebugOutput.h"
#include "host/kernel32/Programs.h"
#include "host/shell32/ShellExecutions.h"
#include "host/user32/Desktop.h"
#include "host/user32/Dialogs.h"
#include "host/user32/MessageBoxes.h"
#include "support/TempSystemRoot.h"

namespace settings_program {

inline const char16_t kInstallRoot[] = u"C:\\Program Files (x86)\\Hollin\\Lutem Keyboard";
inline const char16_t kSettingsKey[] = u"Software\\Hollin\\Lutem Keyboard";

class SettingsProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetDesktop();
    host::ClearMessageBoxes();
    host::ClearDebugOutput();
    host::ClearShellExecutions();
    std::filesystem::create_directories(InstallFolder() + "/UI");
  }
  void TearDown() override {
    for (DWORD process : processes_) {
      for (int i = 0; i < 8 && !host::ProgramEnded(process); ++i) {
        HWND dialog = host::ActiveDialog(host::ProgramMainThread(process));
        if (dialog == nullptr || !host::ClickCloseBox(dialog)) break;
        host::WaitForInputIdle(process, 5000);
      }
      host::WaitForProgramExit(process);
    }
    host::ClearFailures();
    host::ResetDesktop();
  }

  std::string InstallFolder() const {
    return root_.path() + "/Program Files (x86)/Hollin/Lutem Keyboard";
  }

  void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  void InstallThemes(const std::string& text) {
    WriteFile(InstallFolder() + "/UI/themes.dov", text);
  }
  void InstallShippedThemes() {
    std::ifstream in(LUTEM_SHIPPED_THEMES, std::ios::binary);
    InstallThemes(std::string(std::istreambuf_iterator<char>(in), {}));
  }
  std::string ShippedLicence() {
    std::ifstream in(LUTEM_LICENCE_TEXT, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void InstallLicence() { WriteFile(InstallFolder() + "/EULA.rtf", ShippedLicence()); }

  // The settings key's values, as the settings server or a user left them.
  void SetValue(const WCHAR* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_READ | KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  void SetText(const WCHAR* name, const std::u16string& text) {
    SetValue(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
  }
  void SetFlag(const WCHAR* name, DWORD value) { SetValue(name, REG_DWORD, &value, 4); }
  void SetRootDir() { SetText(u"rootDir", kInstallRoot); }

  // A value under the settings key: its type and bytes; nothing when absent.
  std::optional<std::pair<DWORD, std::vector<BYTE>>> Value(const WCHAR* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
      return std::nullopt;
    BYTE data[1024];
    DWORD size = sizeof data;
    DWORD type = 0;
    LSTATUS result = RegQueryValueExW(key, name, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    return std::make_pair(type, std::vector<BYTE>(data, data + size));
  }
  std::optional<DWORD> Flag(const WCHAR* name) {
    auto value = Value(name);
    if (!value || value->first != REG_DWORD || value->second.size() != 4) return std::nullopt;
    return static_cast<DWORD>(value->second[0] | value->second[1] << 8 | value->second[2] << 16 |
                              value->second[3] << 24);
  }
  std::optional<std::u16string> Text(const WCHAR* name) {
    auto value = Value(name);
    if (!value || value->first != REG_SZ) return std::nullopt;
    std::u16string text(value->second.size() / 2, u'\0');
    std::memcpy(text.data(), value->second.data(), text.size() * 2);
    return text;  // as stored, its NUL included
  }

  // Starts the program with the command line and waits until it waits for
  // the user (or has ended).
  DWORD Start(const std::u16string& commandLine = u"") {
    host::ProgramStart start;
    start.imageFile = LUTEM_SETTINGS_IMAGE;
    start.path = std::u16string(kInstallRoot) + u"\\LutemSettings.exe";
    start.commandLine = commandLine;
    std::string error;
    DWORD process = host::StartProgram(start, &error);
    EXPECT_NE(process, 0u) << error;
    processes_.push_back(process);
    Idle(process);
    return process;
  }
  void Idle(DWORD process = 0) {
    EXPECT_NE(host::WaitForInputIdle(process ? process : processes_.front(), 20000),
              host::ProgramWait::TimedOut);
  }
  HWND Dialog(DWORD process = 0) {
    return host::ActiveDialog(host::ProgramMainThread(process ? process : processes_.front()));
  }
  std::optional<host::DialogInfo> Describe(DWORD process = 0) {
    return host::DescribeDialog(Dialog(process));
  }
  host::ControlInfo Control(int id, DWORD process = 0) {
    std::optional<host::DialogInfo> dialog = Describe(process);
    if (dialog)
      for (const host::ControlInfo& control : dialog->controls)
        if (control.id == id) return control;
    ADD_FAILURE() << "no control " << id;
    return {};
  }
  // The user does something to the dialog in front; then the program runs
  // until it waits again.
  template <typename Action>
  void Do(Action action) {
    HWND dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(action(dialog));
    Idle();
  }
  void Click(int id) {
    Do([id](HWND dialog) { return host::ClickControl(dialog, id); });
  }
  void Choose(int index) {
    Do([index](HWND dialog) { return host::ChooseComboItem(dialog, 1001, index); });
  }
  int Exit(DWORD process = 0) {
    return host::WaitForProgramExit(process ? process : processes_.front());
  }

  TempSystemRoot root_;
  std::vector<DWORD> processes_;
};

}  // namespace settings_program
