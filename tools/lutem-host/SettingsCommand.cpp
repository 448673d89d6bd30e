// lutem-host settings: runs the settings program on this host's desktop as
// a user would work it, and reports what each step left behind.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "Platform.h"
#include "SettingsScript.h"
#include "SettingsState.h"
#include "host/kernel32/Programs.h"
#include "host/user32/Dialogs.h"

namespace {

constexpr DWORD kStepTimeout = 30000;

struct Options {
  bool about = false;
  bool json = false;
  std::string pictureFolder;
  std::string image;
  std::optional<std::string> script;  // standard input when none is given
};

int Usage(const std::string& problem) {
  std::fprintf(stderr, "lutem-host settings: %s (lutem-host --help)\n", problem.c_str());
  return 2;
}

bool ReadOptions(const std::vector<std::string>& args, Options* options, std::string* problem) {
  options->image = BesideThisProgram("LutemSettings.so");
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--about") {
      options->about = true;
    } else if (arg == "--json") {
      options->json = true;
    } else if ((arg == "--picture" || arg == "--program") && i + 1 < args.size()) {
      (arg == "--picture" ? options->pictureFolder : options->image) = args[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      *problem = "unknown option " + arg;
      return false;
    } else if (!options->script) {
      options->script = arg;
    } else {
      *problem = "one script only (quote it)";
      return false;
    }
  }
  return true;
}

// Where the program is installed on Windows, which is the path it is given
// here: the licence text is looked for next to it.
std::u16string InstalledPath() {
  WCHAR folder[MAX_PATH];
  if (FAILED(
          SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return u"C:\\Program Files (x86)\\Hollin\\Lutem Keyboard\\LutemSettings.exe";
  return std::u16string(AsChar16(folder)) + u"\\Hollin\\Lutem Keyboard\\LutemSettings.exe";
}

class Session {
 public:
  Session(const Options& options, DWORD process) : options_(options), process_(process) {}

  // One step: the action (none for the start), then the state it left.
  bool Step(const SettingsAction* action) {
    nlohmann::json extra = nlohmann::json::object();
    bool done = action == nullptr || Perform(*action, &extra);
    host::WaitForInputIdle(process_, kStepTimeout);
    nlohmann::json report = state_.Collect(process_);
    report["step"] = step_;
    report["action"] = action ? action->text : "start";
    report["done"] = done;
    for (auto& [key, value] : extra.items()) report[key] = value;
    if (!options_.pictureFolder.empty()) WritePreview(&report);
    Print(report);
    ++step_;
    return done;
  }

  // The user closes whatever the program still shows; its exit code.
  int Finish() {
    for (int tries = 0; tries < 16 && !host::ProgramEnded(process_); ++tries) {
      if (host::WaitForInputIdle(process_, kStepTimeout) != host::ProgramWait::Idle) break;
      HWND dialog = host::ActiveDialog(host::ProgramMainThread(process_));
      if (dialog == nullptr || !host::ClickCloseBox(dialog)) break;
    }
    if (!host::ProgramEnded(process_)) {
      std::fprintf(stderr, "lutem-host settings: the program does not end\n");
      return 1;
    }
    int exitCode = host::WaitForProgramExit(process_);
    nlohmann::json report = state_.Collect(process_);
    report["step"] = step_;
    report["action"] = "end";
    report["exitCode"] = exitCode;
    Print(report);
    return exitCode;
  }

 private:
  bool Perform(const SettingsAction& action, nlohmann::json* extra) {
    using Kind = SettingsAction::Kind;
    if (action.kind == Kind::Start) return SecondStart(action.target, extra);
    HWND dialog = host::ActiveDialog(host::ProgramMainThread(process_));
    if (dialog == nullptr) return false;
    switch (action.kind) {
      case Kind::Click: {
        int id = SettingsState::ControlId(dialog, action.target);
        return id != 0 && host::ClickControl(dialog, id);
      }
      case Kind::Theme: {
        int index = SettingsState::ItemIndex(dialog, kThemeCombo, action.target);
        return index >= 0 && host::ChooseComboItem(dialog, kThemeCombo, index);
      }
      case Kind::Select:
        return host::ChooseComboItem(dialog, action.first, action.second);
      case Kind::Close:
        return host::ClickCloseBox(dialog);
      case Kind::Escape:
        return host::PressDialogKey(dialog, VK_ESCAPE);
      case Kind::Enter:
        return host::PressDialogKey(dialog, VK_RETURN);
      case Kind::Resize:
        return host::ResizeWindow(dialog, action.first, action.second);
      case Kind::Start:
        break;
    }
    return false;
  }

  // Another start of the same program, as a user double-clicking it again.
  bool SecondStart(const std::string& commandLine, nlohmann::json* extra) {
    host::ProgramStart start;
    start.imageFile = options_.image;
    start.path = InstalledPath();
    start.commandLine = Utf16(commandLine);
    std::string error;
    DWORD second = host::StartProgram(start, &error);
    if (second == 0) return false;
    (*extra)["secondStart"] = {{"exitCode", host::WaitForProgramExit(second)},
                               {"foreground", SettingsState::ForegroundTitle()}};
    return true;
  }

  void WritePreview(nlohmann::json* report) {
    char name[32];
    std::snprintf(name, sizeof name, "/preview-%02d.png", step_);
    std::string path = options_.pictureFolder + name;
    if (state_.WritePreview(path)) (*report)["preview"] = path;
  }

  void Print(const nlohmann::json& report) {
    if (options_.json)
      std::printf("%s\n", report.dump().c_str());
    else
      std::fputs(SettingsState::Describe(report).c_str(), stdout);
    std::fflush(stdout);
  }

  static std::u16string Utf16(const std::string& text) { return SettingsState::Utf16(text); }

  static constexpr int kThemeCombo = 1001;
  const Options& options_;
  const DWORD process_;
  SettingsState state_;
  int step_ = 0;
};

}  // namespace

int SettingsCommand(const std::vector<std::string>& args) {
  Options options;
  std::string problem;
  if (!ReadOptions(args, &options, &problem)) return Usage(problem);
  std::string script;
  if (options.script)
    script = *options.script;
  else
    script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  std::vector<SettingsAction> actions;
  if (!ParseSettingsScript(script, &actions, &problem)) return Usage(problem);
  if (!MakePictureFolder(options.pictureFolder, &problem)) {
    std::fprintf(stderr, "lutem-host settings: %s\n", problem.c_str());
    return 2;
  }

  host::ProgramStart start;
  start.imageFile = options.image;
  start.path = InstalledPath();
  start.commandLine = options.about ? u"/about" : u"";
  std::string error;
  DWORD process = host::StartProgram(start, &error);
  if (process == 0) {
    std::fprintf(stderr, "lutem-host settings: cannot start %s: %s\n", options.image.c_str(),
                 error.c_str());
    return 2;
  }
  host::WaitForInputIdle(process, kStepTimeout);
  Session session(options, process);
  bool allDone = session.Step(nullptr);
  for (const SettingsAction& action : actions) allDone = session.Step(&action) && allDone;
  int exitCode = session.Finish();
  return allDone ? exitCode : 1;
}
