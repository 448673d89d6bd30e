// lutem-host's session: an application thread with a thread manager that
// activates the registered input method for Bengali (Bangladesh), gives a
// new document the focus, plays a script of keys, menu choices and focus
// changes, and reports after each step what the input method shows and
// what it asked of the settings server.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>

#include "Commands.h"
#include "ModuleVariables.h"
#include "Platform.h"
#include "SessionReport.h"
#include "SessionScript.h"
#include "SessionSettingsServer.h"
#include "conversion/WideToUtf8.h"
#include "host/kernel32/PipeTraffic.h"
#include "host/msctf/Compartments.h"
#include "host/msctf/LanguageBar.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "host/user32/Icons.h"
#include "host/user32/Keyboard.h"
#include "host/user32/Menus.h"
#include "host/user32/MessagePump.h"
#include "service/settings/SendSettingsCommand.h"

namespace {

constexpr LANGID kBengaliBangladesh = 0x0845;

struct Options {
  bool json = false;
  std::optional<int> layout;
  std::optional<int> encoding;
  std::optional<std::string> script;
};

bool ParseNumber(const std::string& text, int low, int high, int* value) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  *value = std::stoi(text);
  return *value >= low && *value <= high;
}

bool ParseOptions(const std::vector<std::string>& args, Options* options, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    int value = 0;
    if (arg == "--json") {
      options->json = true;
    } else if (arg == "--layout" || arg == "--encoding") {
      bool layout = arg == "--layout";
      if (i + 1 >= args.size() || !ParseNumber(args[i + 1], layout ? 1 : 0, layout ? 8 : 1, &value)) {
        *error = arg + (layout ? " takes a layout from 1 to 8" : " takes 0 (Unicode) or 1 (ANSI)");
        return false;
      }
      (layout ? options->layout : options->encoding) = value;
      ++i;
    } else if (arg.rfind("--", 0) == 0 || options->script) {
      *error = "unexpected argument " + arg;
      return false;
    } else {
      options->script = arg;
    }
  }
  return true;
}

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", as the registry keeps classes.
std::string GuidText(REFGUID guid) {
  char text[39];
  std::snprintf(text, sizeof(text), "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

// The folder of this program, where lutem-settings-server is built too.
std::string ProgramFolder() {
  WCHAR program[4096];
  DWORD length = GetModuleFileNameW(nullptr, program, 4096);
  std::string path = WideToUtf8(std::u16string_view(AsChar16(program), length));
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// The module file COM loads for clsid (InProcServer32's default value).
std::string ModulePath(REFCLSID clsid) {
  std::u16string key = Utf8ToWide("CLSID\\" + GuidText(clsid) + "\\InProcServer32");
  WCHAR path[4096] = {};
  DWORD size = sizeof(path) - sizeof(WCHAR);
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, AsWchar(key.c_str()), 0, KEY_QUERY_VALUE, &opened) !=
      ERROR_SUCCESS)
    return {};
  DWORD type = 0;
  LONG result = RegQueryValueExW(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
  RegCloseKey(opened);
  return result == ERROR_SUCCESS ? WideToUtf8(AsChar16(path)) : std::string();
}

class Session {
 public:
  explicit Session(bool json) : json_(json) {}

  // Activates the input method of clsid; the HRESULT of a failure.
  HRESULT Activate(REFCLSID clsid) {
    clsid_ = clsid;
    HRESULT hr = app_.ActivateTextService(clsid);
    host::PumpMessages();
    if (FAILED(hr)) return hr;
    active_ = true;
    variables_.Open(ModulePath(clsid),
                    {"CurrentLayout", "CurrentEncoding", "CandidateWindow"});
    document_ = app_.CreateDocument();
    app_.Focus(document_);
    host::PumpMessages();
    AskForIcon();  // as the bar does for an item it shows
    return S_OK;
  }

  // Plays one step and prints its report; false when it could not be done
  // as written.
  bool Play(const ScriptStep& step) {
    uint64_t mark = host::PipeTrafficMark();
    host::ClearLangBarUpdates();
    host::ClearPopupMenusShown();
    bool done = true;
    StepReport report;
    report.step = step.item;
    switch (step.kind) {
      case ScriptStep::Kind::Chord:
        done = host::PressChord(step.chord);
        break;
      case ScriptStep::Kind::Menu:
        done = ClickMenu(step.menuItem, &report);
        break;
      case ScriptStep::Kind::Focus:
        app_.Focus(app_.CreateDocument());
        break;
      case ScriptStep::Kind::FocusNone:
        app_.Focus(nullptr);
        break;
    }
    host::PumpMessages();
    // The bar asks for the icon whenever the button says it changed.
    for (const host::LangBarUpdate& update : host::LangBarUpdates()) {
      if (update.item == GUID_LBI_INPUTMODE && (update.flags & TF_LBI_ICON) != 0) {
        AskForIcon();
        break;
      }
    }
    Describe(&report);
    for (const host::PipeClientWrite& write : host::PipeClientWritesSince(mark)) {
      if (write.threadId == GetCurrentThreadId()) report.pipe.push_back(write.Text());
    }
    std::puts((json_ ? StepJson(report) : StepLine(report)).c_str());
    std::fflush(stdout);
    return done;
  }

  void Deactivate() {
    if (!active_) return;
    app_.DeactivateTextService(clsid_);
    host::PumpMessages();
    active_ = false;
  }

 private:
  bool ClickMenu(const std::string& item, StepReport* report) {
    if (item.empty()) {
      host::DismissNextMenu();
    } else {
      host::ChooseNextMenuItem(Utf8ToWide(item));
    }
    HRESULT hr = host::LangBarItemClick(GUID_LBI_INPUTMODE, TF_LBI_CLK_LEFT, POINT{0, 0});
    std::vector<host::PopupRecord> shown = host::PopupMenusShown();
    host::ClearMenuChoices();
    if (shown.empty()) {
      std::fprintf(stderr, "lutem-host: the button showed no menu (0x%08X)\n",
                   static_cast<unsigned>(hr));
      return false;
    }
    report->menu = shown.back().items;
    if (!shown.back().choiceFound) {
      std::fprintf(stderr, "lutem-host: the menu has no item \"%s\" to choose\n", item.c_str());
      return false;
    }
    return true;
  }

  void AskForIcon() {
    HICON icon = nullptr;
    icon_ = 0;
    if (host::LangBarItemIcon(GUID_LBI_INPUTMODE, &icon) == S_OK && icon != nullptr) {
      if (auto info = host::DescribeIcon(icon)) icon_ = info->groupId;
      DestroyIcon(icon);
    }
  }

  void Describe(StepReport* report) {
    host::CompartmentValue open = host::ThreadCompartment(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE);
    report->open = open.type == VT_I4 && open.value != 0;
    report->layout = variables_.Read<int32_t>("CurrentLayout");
    report->encoding = variables_.Read<int32_t>("CurrentEncoding");
    report->candidateWindow = variables_.Read<uint32_t>("CandidateWindow");
    report->icon = icon_;
  }

  bool json_;
  host::TsfApplication app_;
  CLSID clsid_ = GUID_NULL;
  bool active_ = false;
  ITfDocumentMgr* document_ = nullptr;
  ModuleVariables variables_;
  int icon_ = 0;
};

void Save(const char16_t* key, int value) {
  std::string digits = std::to_string(value);
  SendSettingsCommand(u"SAVE " + std::u16string(key) + u" " +
                      std::u16string(digits.begin(), digits.end()));
}

}  // namespace

int SessionCommand(const std::vector<std::string>& args) {
  Options options;
  std::string error;
  if (!ParseOptions(args, &options, &error)) {
    std::fprintf(stderr, "lutem-host: %s\n", error.c_str());
    return 2;
  }
  std::string script;
  if (options.script) {
    script = *options.script;
  } else {
    script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  }
  std::vector<ScriptStep> steps;
  if (!ParseScript(script, &steps, &error)) {
    std::fprintf(stderr, "lutem-host: %s\n", error.c_str());
    return 2;
  }

  std::optional<CLSID> clsid;
  for (const host::RegisteredProfile& profile : host::RegisteredProfiles()) {
    if (profile.langid == kBengaliBangladesh && profile.enabled) clsid = profile.clsid;
  }
  if (!clsid) {
    std::fprintf(stderr,
                 "lutem-host: no input method is registered for Bengali (Bangladesh), 0x0845; "
                 "run lutem-host register first\n");
    return 2;
  }

  SessionSettingsServer server;
  if (!server.Ensure(ProgramFolder() + "/lutem-settings-server", &error))
    std::fprintf(stderr, "lutem-host: no settings server (%s); the input method keeps its defaults\n",
                 error.c_str());
  if (options.layout) Save(u"CurrentLayout", *options.layout);
  if (options.encoding) Save(u"CurrentEncoding", *options.encoding);

  int status = 0;
  {
    Session session(options.json);
    HRESULT hr = session.Activate(*clsid);
    if (FAILED(hr)) {
      std::fprintf(stderr, "lutem-host: the input method %s did not activate (0x%08X)\n",
                   GuidText(*clsid).c_str(), static_cast<unsigned>(hr));
      return 2;
    }
    for (const ScriptStep& step : steps) {
      if (!session.Play(step)) status = 1;
    }
    session.Deactivate();
  }
  CoFreeUnusedLibraries();
  return status;
}
