// lutem-host's session: an application thread with a thread manager that
// activates the registered input method for Bengali (Bangladesh), gives a
// new document the focus, plays a script of typing, keys, clicks, menu
// choices and the application's own changes, and reports after each step
// what the application shows (its text, the composition, the candidate
// list and window) and what the input method asked of the settings server.
#ifndef _WIN32
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <thread>

#include "Commands.h"
#include "ModuleVariables.h"
#include "Platform.h"
#include "SessionReport.h"
#include "SessionScript.h"
#ifndef _WIN32
#include "SessionSettingsServer.h"
#endif
#include "conversion/WideToUtf8.h"
#include "host/kernel32/PipeTraffic.h"
#include "host/msctf/Compartments.h"
#include "host/msctf/Documents.h"
#include "host/msctf/LanguageBar.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "host/msctf/UIElements.h"
#include "host/user32/Desktop.h"
#include "host/user32/Keyboard.h"
#include "host/user32/LayeredPicture.h"
#include "host/user32/MessagePump.h"
#include "host/user32/Mouse.h"
#ifdef _WIN32
#include "host/kernel32/ModuleImports.h"
#else
#include "host/user32/Icons.h"
#include "host/user32/Menus.h"
#include "host/user32/Monitors.h"
#endif
#include "common/SettingsIpcConstants.h"
#include "service/settings/SendSettingsCommand.h"
#include "suggest/UserDictionary.h"

namespace {

constexpr LANGID kBengaliBangladesh = 0x0845;

struct Options {
  bool json = false;
  bool uiless = false;
  std::optional<std::string> pictures;
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
    } else if (arg == "--uiless") {
      options->uiless = true;
    } else if (arg == "--picture") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        *error = "--picture takes a folder";
        return false;
      }
      options->pictures = args[++i];
      if (!MakePictureFolder(*options->pictures, error)) return false;
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

#ifndef _WIN32
// The folder of this program, where lutem-settings-server is built too.
std::string ProgramFolder() {
  WCHAR program[4096];
  DWORD length = GetModuleFileNameW(nullptr, program, 4096);
  std::string path = WideToUtf8(std::u16string_view(AsChar16(program), length));
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}
#endif

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

const char16_t kCandidateWindowClass[] = u"LutemIME.CandidateWindow";
const char16_t kLearnCommand[] = u"SAVE_USER_DICT ";
const char16_t kLoadLearnedCommand[] = u"LOAD_USER_DICT";

// The candidate window shown last, if any.
std::optional<host::WindowInfo> CandidateWindow() {
  std::vector<HWND> windows = host::WindowsOfClass(kCandidateWindowClass);
  if (windows.empty()) return std::nullopt;
  return host::DescribeWindow(windows.back());
}

class Session {
 public:
  Session(bool json, std::optional<std::string> pictures)
      : json_(json), pictures_(std::move(pictures)) {}

  // Activates the input method of clsid; the HRESULT of a failure. UI-less:
  // the application draws the candidate list itself.
  HRESULT Activate(REFCLSID clsid, bool uiless) {
    clsid_ = clsid;
    host::SetUIElementShow(!uiless);
#ifdef _WIN32
    // Loaded before COM loads it (the same module then), so that what it
    // writes into the settings pipe and hands UpdateLayeredWindow is seen
    // from the activation on.
    std::u16string path = Utf8ToWide(ModulePath(clsid));
    module_ = LoadLibraryW(AsWchar(path.c_str()));
    if (module_ != nullptr) host::WatchModuleImports(module_);
#endif
    uint64_t mark = host::PipeTrafficMark();
    HRESULT hr = app_.ActivateTextService(clsid);
    host::PumpMessages();
    if (FAILED(hr)) return hr;
    active_ = true;
    variables_.Open(ModulePath(clsid),
                    {"CurrentLayout", "CurrentEncoding", "CandidateWindow", "DllObjectCount",
                     "WordDictionaryState", "LanguageModelState"});
    WaitForTheLoads();
    WaitForLearnedChoices(mark);
    documents_.push_back(app_.CreateDocument());
    app_.Focus(documents_.back());
    host::PumpMessages();
    AskForIcon();  // as the bar does for an item it shows
    return S_OK;
  }

  // A user starts typing a moment after the keyboard is chosen: the session
  // lets the module's word-dictionary and model loads end first (Ready or
  // Failed; values of LoadState), so that every step sees the words it will
  // ever see. Loads that have not started within half a second never will
  // (no data folder), and none takes more than ten seconds.
  void WaitForTheLoads() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (;;) {
      const auto words = variables_.ReadAtomic("WordDictionaryState");
      const auto model = variables_.ReadAtomic("LanguageModelState");
      if (!words || !model) return;
      const auto settled = [](int32_t state) { return state == 2 || state == 3; };
      if (settled(*words) && settled(*model)) return;
      const auto waited = Clock::now() - start;
      if ((*words == 0 && *model == 0 && waited > std::chrono::milliseconds(500)) ||
          waited > std::chrono::seconds(10))
        return;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      host::PumpMessages();
    }
  }

  // Plays one step and prints its report; false when it could not be done
  // as written.
  bool Play(const ScriptStep& step) {
    uint64_t mark = host::PipeTrafficMark();
    host::ClearLangBarUpdates();
#ifndef _WIN32
    host::ClearPopupMenusShown();
#endif
    bool done = true;
    StepReport report;
    report.step = step.item;
    ++stepNumber_;
    switch (step.kind) {
      case ScriptStep::Kind::Type:
        host::TypeText(step.text);
        break;
      case ScriptStep::Kind::Chord:
        done = host::PressChord(step.chord);
        break;
      case ScriptStep::Kind::Click:
        done = ClickRow(step.number);
        break;
      case ScriptStep::Kind::Wheel:
        done = TurnWheel(step.number);
        break;
      case ScriptStep::Kind::Caret:
        if (ITfContext* context = FocusedContext()) {
          host::MoveCaret(context, step.number);
          context->Release();
        } else {
          std::fprintf(stderr, "lutem-host: no document has the focus for %s\n", step.item.c_str());
          done = false;
        }
        break;
      case ScriptStep::Kind::Terminate:
        if (ITfContext* context = FocusedContext()) {
          host::TerminateCompositions(context);
          context->Release();
        }
        break;
      case ScriptStep::Kind::Dpi:
#ifdef _WIN32
        done = NotOnWindows(step);
#else
        host::SetMonitorDpi(0, static_cast<UINT>(step.number));
#endif
        break;
      case ScriptStep::Kind::Menu:
#ifdef _WIN32
        done = NotOnWindows(step);
#else
        done = ClickMenu(step.menuItem, &report);
#endif
        break;
      case ScriptStep::Kind::Focus:
        if (step.number == 0) {
          documents_.push_back(app_.CreateDocument());
          app_.Focus(documents_.back());
        } else if (static_cast<size_t>(step.number) <= documents_.size()) {
          app_.Focus(documents_[static_cast<size_t>(step.number) - 1]);
        } else {
          std::fprintf(stderr, "lutem-host: there is no document %d for %s\n", step.number,
                       step.item.c_str());
          done = false;
        }
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
      if (write.threadId != GetCurrentThreadId()) continue;
      report.pipe.push_back(write.Text());
      if (report.pipe.back().rfind(kLearnCommand, 0) == 0)
        report.learned.push_back(report.pipe.back().substr(std::char_traits<char16_t>::length(kLearnCommand)));
    }
    learned_.insert(learned_.end(), report.learned.begin(), report.learned.end());
    if (!WritePicture()) done = false;
    std::puts((json_ ? StepJson(report) : StepLine(report)).c_str());
    std::fflush(stdout);
    return done;
  }

  void Deactivate() {
    if (!active_) return;
    app_.DeactivateTextService(clsid_);
    host::PumpMessages();
    active_ = false;
    WaitUntilServerHasLearned();
  }

#ifdef _WIN32
  ~Session() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
#endif

 private:
#ifdef _WIN32
  // The monitor's scale is the system's, and the button's menu a real modal
  // one; neither is played there.
  static bool NotOnWindows(const ScriptStep& step) {
    std::fprintf(stderr, "lutem-host: %s is not played on Windows\n", step.item.c_str());
    return false;
  }

  bool ClickMenu(const std::string&, StepReport*) { return false; }
#else
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
#endif

  // The input method asks the server for the learned choices on its
  // dictionary thread, which ends (and lets go of its module reference)
  // once they are in. A script types at once, much faster than a user, so
  // the session waits for that first: otherwise whether the first keys find
  // the choices depends on the machine's load. The thread may have ended
  // before the request is seen, so a count that stays put for a while after
  // it ends the wait too. A module without symbols, or no request within
  // the time, waits no longer.
  void WaitForLearnedChoices(uint64_t mark) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(3);
    constexpr auto kSettled = std::chrono::milliseconds(300);
    std::optional<int32_t> holding;
    Clock::time_point seen;
    while (Clock::now() < deadline) {
      std::optional<int32_t> count = variables_.Read<int32_t>("DllObjectCount");
      if (!count) return;
      if (!holding) {
        for (const host::PipeClientWrite& write : host::PipeClientWritesSince(mark)) {
          if (write.threadId != GetCurrentThreadId() && write.Text() == kLoadLearnedCommand) {
            holding = count;
            seen = Clock::now();
          }
        }
      } else if (*count < *holding || Clock::now() - seen > kSettled) {
        return;
      } else if (*count > *holding) {
        holding = count;
        seen = Clock::now();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  // A learned pair is written to the server and not answered, and the
  // server may take it in after a later request (another pipe instance):
  // the session ends once the server hands back every pair learned in it
  // (the last value of each key), so a server stopped after it, or the
  // next session, has them. At most two seconds.
  void WaitUntilServerHasLearned() {
    if (learned_.empty()) return;
    std::map<std::u16string, std::u16string> wanted;
    for (const std::u16string& pair : learned_) {
      size_t colon = pair.find(u':');
      if (colon != std::u16string::npos) wanted[pair.substr(0, colon)] = pair.substr(colon + 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline) {
      std::map<std::u16string, std::u16string> held;
      for (auto& [keys, value] : ParseUserDictionaryReply(
               SendSettingsCommand(std::u16string(SettingsIpcConstants::commandLoadUserDict))))
        held[keys] = value;
      bool all = true;
      for (const auto& [keys, value] : wanted) {
        auto found = held.find(keys);
        if (found == held.end() || found->second != value) all = false;
      }
      if (all) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  void AskForIcon() {
    HICON icon = nullptr;
    icon_ = 0;
    if (host::LangBarItemIcon(GUID_LBI_INPUTMODE, &icon) == S_OK && icon != nullptr) {
#ifndef _WIN32  // Windows does not say which resource an icon came from
      if (auto info = host::DescribeIcon(icon)) icon_ = info->groupId;
#endif
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

    if (ITfContext* context = FocusedContext()) {
      report->document = host::DocumentText(context);
      std::vector<host::CompositionInfo> open = host::Compositions(context);
      if (!open.empty()) report->composition = std::make_pair(open.back().start, open.back().end);
      context->Release();
    }
    DescribeDocuments(report);
    if (std::optional<host::LiveCandidateList> list = host::ReadLiveCandidateList()) {
      report->candidates = list->reading.strings;
      report->selection = list->reading.selection;
      report->pages = list->reading.pageStarts;
    }
    if (std::optional<host::WindowInfo> window = CandidateWindow()) {
      report->visible = window->visible;
      report->window = window->rect;
    }
  }

  // Every document's top context as its application holds it, marked
  // changed when it differs from the step before.
  void DescribeDocuments(StepReport* report) {
    ITfDocumentMgr* focused = nullptr;
    if (FAILED(app_.threadMgr()->GetFocus(&focused))) focused = nullptr;
    for (size_t i = 0; i < documents_.size(); ++i) {
      DocumentReport document;
      document.focused = documents_[i] == focused;
      if (ITfContext* context = host::TsfApplication::TopContext(documents_[i])) {
        document.text = host::DocumentText(context);
        std::vector<host::CompositionInfo> open = host::Compositions(context);
        if (!open.empty()) document.composition = std::make_pair(open.back().start, open.back().end);
      }
      if (i < shownDocuments_.size()) {
        document.changed = document.text != shownDocuments_[i].text ||
                           document.composition != shownDocuments_[i].composition;
      } else {
        document.changed = true;
      }
      report->documents.push_back(document);
    }
    if (focused != nullptr) focused->Release();
    shownDocuments_ = report->documents;
  }

  // The focused document's top context, with a reference; null without one.
  ITfContext* FocusedContext() {
    ITfDocumentMgr* focused = nullptr;
    if (FAILED(app_.threadMgr()->GetFocus(&focused)) || focused == nullptr) return nullptr;
    ITfContext* context = nullptr;
    if (FAILED(focused->GetTop(&context))) context = nullptr;
    focused->Release();
    return context;
  }

  // The visible candidate window, or a message why a step needing it cannot
  // be played.
  std::optional<host::WindowInfo> ShownCandidateWindow(const char* step) {
    std::optional<host::WindowInfo> window = CandidateWindow();
    if (!window || !window->visible) {
      std::fprintf(stderr, "lutem-host: no candidate window is shown for %s\n", step);
      return std::nullopt;
    }
    return window;
  }

  // A click in the middle of row N (from 1) of the page the window shows.
  bool ClickRow(int row) {
    std::optional<host::WindowInfo> window = ShownCandidateWindow("{Click}");
    if (!window) return false;
    const int dpi = static_cast<int>(window->dpi);
    const int rows = window->rect.bottom - window->rect.top - 2 * MulDiv(5, dpi, 96);
    const int rowHeight = rows / 7;
    return host::Click(window->window, MulDiv(20, dpi, 96), (row - 1) * rowHeight + rowHeight / 2);
  }

  bool TurnWheel(int notches) {
    std::optional<host::WindowInfo> window = ShownCandidateWindow("{Wheel}");
    return window && host::Wheel(window->window, notches * WHEEL_DELTA);
  }

  // DIR/step-NNN.png of the candidate window while it is shown.
  bool WritePicture() {
    if (!pictures_) return true;
    std::optional<host::WindowInfo> window = CandidateWindow();
    if (!window || !window->visible) return true;
    char name[32];
    std::snprintf(name, sizeof(name), "/step-%03d.png", stepNumber_);
    if (host::WriteLayeredPicturePng(window->window, *pictures_ + name)) return true;
    std::fprintf(stderr, "lutem-host: cannot write %s%s\n", pictures_->c_str(), name);
    return false;
  }

  bool json_;
  std::optional<std::string> pictures_;
  int stepNumber_ = 0;
  host::TsfApplication app_;
  CLSID clsid_ = GUID_NULL;
  bool active_ = false;
  // The documents made, in order ({Focus N} gives document N the focus
  // again), and what they held at the step before.
  std::vector<ITfDocumentMgr*> documents_;
  std::vector<DocumentReport> shownDocuments_;
  ModuleVariables variables_;
  int icon_ = 0;
  std::vector<std::u16string> learned_;  // every pair the session learned, in order
#ifdef _WIN32
  HMODULE module_ = nullptr;
#endif
};

#ifdef _WIN32
bool SettingsServerAnswers(std::chrono::milliseconds within) {
  const auto deadline = std::chrono::steady_clock::now() + within;
  for (;;) {
    std::u16string reply = SendSettingsCommand(u"LOAD ThemeID");
    if (reply.rfind(SettingsIpcConstants::errorPrefix, 0) != 0) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}
#endif

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

#ifdef _WIN32
  // The installed settings server runs as the user's; the session does not
  // start one, but gives one that is starting a while to answer.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    std::fprintf(stderr, "lutem-host: COM cannot be initialised\n");
    return 2;
  }
  if (!SettingsServerAnswers(std::chrono::seconds(10)))
    std::fprintf(stderr, "lutem-host: no settings server answers; the input method keeps its defaults\n");
#else
  SessionSettingsServer server;
  if (!server.Ensure(ProgramFolder() + "/lutem-settings-server", &error))
    std::fprintf(stderr, "lutem-host: no settings server (%s); the input method keeps its defaults\n",
                 error.c_str());
#endif
  if (options.layout) Save(u"CurrentLayout", *options.layout);
  if (options.encoding) Save(u"CurrentEncoding", *options.encoding);

  int status = 0;
  {
    Session session(options.json, options.pictures);
    HRESULT hr = session.Activate(*clsid, options.uiless);
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
#ifndef __SANITIZE_ADDRESS__
  // The leak checker runs at exit: once the module is unmapped it can
  // neither reach nor name what the module's OpenFst keeps in function-local
  // statics for good (its type names), and would report them as lost.
  CoFreeUnusedLibraries();
#endif
#ifdef _WIN32
  CoUninitialize();
#endif
  return status;
}
