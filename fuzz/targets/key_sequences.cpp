// fuzz: stand-in-only
//
// A user's session through the simulated host: the text service activated in
// a focused document, then keys of the US keyboard, chords, candidate-window
// clicks and wheel turns, the application moving the caret or ending the
// composition, in any order, in any layout and encoding, under each way an
// application grants edit sessions. After every step: nothing crashed and no
// exception came out; the document is well-formed UTF-16; the composition
// lies inside it and carries the input attribute; the text outside the
// composition is what the application holds (nothing before or after the
// composition and the caret changed, but for what the application's own
// Backspaces took); the candidate list's selection and pages lie inside it;
// the application ending the composition keeps its text; a key the text
// service ate changed what the user sees of the document, the composition
// or the candidate list, or the keys composed (a Shift marker still waiting
// for its key aside), unless it was one that moves in a list on the screen;
// deactivation leaves no composition open.
//
// Input: one byte of settings (layout 1..8, encoding, edit-session grant,
// suggestion window, whether the application offers keys to the test
// first), then up to kMaxSteps steps, one byte each (a printable character
// is its key on the US keyboard, anything else a key or an act from the
// table below), some with one byte of argument.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "FuzzScratch.h"
#include "Platform.h"
#include "WellFormedUtf16.h"
#include "conversion/CodePoints.h"
#include "conversion/WideToUtf8.h"
#include "host/SystemRoot.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "host/msctf/Documents.h"
#include "host/msctf/EditSessions.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "host/msctf/UIElements.h"
#include "host/user32/Desktop.h"
#include "host/user32/Keyboard.h"
#include "host/user32/MessagePump.h"
#include "host/user32/Mouse.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/engine/EngineDriver.h"
#include "service/module/DllMain.h"
#include "service/module/TextServiceGuids.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"
#include "suggest/LoadState.h"
#include "suggest/WordDictionaryBuilder.h"

namespace {

constexpr size_t kMaxSteps = 64;

std::string U8(std::u32string_view codePoints) { return Utf8FromCodePoints(codePoints); }

// A drive C: in the scratch folder with a small word dictionary (enough
// words after ka and a that a list fills more than one page), loaded once
// for the process as the dictionary thread loads it; the candidate
// window's class; the profile TSF activates.
void SetUpHostOnce() {
  static const bool done = [] {
    FUZZ_CHECK(setenv("LUTEM_SYSTEM_ROOT", FuzzScratch::Folder().c_str(), 1) == 0);
    std::u16string folder;
    FUZZ_CHECK(DictionaryDataFolder(&folder));
    const std::string path = platform::HostPathFromWindowsPath(folder);
    FUZZ_CHECK(platform::EnsureFolder(path.substr(0, path.size() - 1)));
    const std::vector<std::string> words = {
        U8(U"\u0995\u09A5\u09BE"),       U8(U"\u0995\u09B2\u09AE"),
        U8(U"\u0995\u09AE\u09B2"),       U8(U"\u0995\u09BE\u099C"),
        U8(U"\u0995\u09BE\u09B2"),       U8(U"\u0995\u09BF\u099B\u09C1"),
        U8(U"\u0995\u09C7\u09A8"),       U8(U"\u0995\u09CB\u09A8"),
        U8(U"\u0995\u09AC\u09BF"),       U8(U"\u0995\u09B0\u09BE"),
        U8(U"\u0986\u09AE\u09BF"),       U8(U"\u0986\u09AE\u09BE\u09B0"),
        U8(U"\u0986\u09AE\u09B0\u09BE"), U8(U"\u0985\u09AE\u09B0"),
        U8(U"\u0985\u09AC\u09BE\u0995")};
    std::ofstream(path + "lutem_bn-BD.bin", std::ios::binary) << BuildWordDictionary(words);
    {
      CCompositionProcessorEngine loader;
      FUZZ_CHECK(EngineDriver::LoadDictionaries(loader));
    }
    FUZZ_CHECK(IsLoadReady(WordDictionaryState));
    static int moduleImage;
    FUZZ_CHECK(DllMain(reinterpret_cast<HINSTANCE>(&moduleImage), DLL_PROCESS_ATTACH, nullptr));
    host::SetDefaultProfile(0x0845, GUID_TFCAT_TIP_KEYBOARD, CLSID_TextService,
                            GUID_KeyboardProfile);
    // The drawing is done for real; its log is for tests, and would grow
    // with every key.
    host::RecordGdiplusCalls(false);
    return true;
  }();
  (void)done;
}

// Keys and chords a step byte that is not a printable character presses.
const char* const kChords[] = {
    "Enter",       "Space",       "Tab",       "Backspace", "Escape",   "Left",
    "Right",       "Up",          "Down",      "PageUp",    "PageDown", "Home",
    "End",         "Shift",       "Ctrl",      "Ctrl+A",    "Ctrl+Z",   "Ctrl+Space",
    "Shift+Space", "Ctrl+Shift",  "Alt",       "Numpad1",   "Numpad3",  "Numpad0",
    "F1",          "Shift+Enter", "Shift+Tab", "RShift",    "RCtrl",    "Ctrl+Backspace",
};
constexpr size_t kChordCount = sizeof kChords / sizeof kChords[0];

// The acts after the chords.
enum Act : uint8_t {
  kClick,      // arg: row 1..7 of the shown page
  kWheel,      // arg: notches, signed
  kCaret,      // arg: offset (clamped by the application)
  kTerminate,  // the application ends the composition
  kHold,       // the host stops pumping until kPump
  kPump,
  kPacket,  // arg: a character no key types (VK_PACKET)
  kActCount
};

class Session {
 public:
  explicit Session(host::EditSessionGrant grant) : grant_(grant) {}

  bool Activate(int layout, int encoding, bool suggestionWindow, bool keyDownOnly) {
    document_ = app_.CreateDocument();
    app_.Focus(document_);
    context_ = host::TsfApplication::TopContext(document_);
    FUZZ_CHECK(context_ != nullptr);
    ITfTextInputProcessorEx* service = nullptr;
    FUZZ_CHECK(LutemIME::CreateInstance(nullptr, IID_ITfTextInputProcessorEx,
                                        reinterpret_cast<void**>(&service)) == S_OK);
    const HRESULT hr = app_.ActivateTextService(CLSID_TextService, service);
    service_ = static_cast<LutemIME*>(service);  // the application keeps it
    service->Release();
    if (hr != S_OK) return false;
    active_ = true;
    host::PumpMessages();
    // No settings server: the activation kept the defaults, set here as a
    // server would hand them over.
    CurrentLayout = layout;
    CurrentEncoding = encoding;
    CandidateWindow = suggestionWindow ? 1 : 0;
    host::SetEditSessionGrant(grant_);
    host::SetKeyDelivery(keyDownOnly ? host::KeyDelivery::KeyDownOnly
                                     : host::KeyDelivery::TestThenKeyDown);
    return true;
  }

  void Deactivate() {
    if (!active_) return;
    host::SetEditSessionGrant(host::EditSessionGrant::Immediate);
    host::PumpMessages();
    app_.DeactivateTextService(CLSID_TextService);
    host::PumpMessages();
    active_ = false;
    for (const host::CompositionInfo& open : host::Compositions(context_))
      FUZZ_CHECK(open.owner != app_.TextServiceClientId(CLSID_TextService));
    FUZZ_CHECK(host::Compositions(context_).empty());
    FUZZ_CHECK(IsWellFormedUtf16(host::DocumentText(context_)));
  }

  void Play(FuzzInput& in) {
    const uint8_t step = in.TakeByte();
    Snapshot();
    bool terminated = false;
    const char* chord = nullptr;
    if (step >= 0x20 && step < 0x7F) {
      host::TypeText(std::u16string(1, static_cast<char16_t>(step)));
    } else {
      const size_t index = (step < 0x20 ? step : step - 0x5F) % (kChordCount + kActCount);
      if (index < kChordCount) {
        chord = kChords[index];
        FUZZ_CHECK(host::PressChord(chord));
      } else {
        switch (static_cast<Act>(index - kChordCount)) {
          case kClick:
            Click(in.TakeByte() % 7 + 1);
            break;
          case kWheel:
            Wheel(static_cast<int8_t>(in.TakeByte()) % 4);
            break;
          case kCaret:
            host::MoveCaret(context_, in.TakeByte() % 48);
            break;
          case kTerminate:
            host::TerminateCompositions(context_);
            terminated = true;
            break;
          case kHold:
            holding_ = true;
            break;
          case kPump:
            holding_ = false;
            break;
          case kPacket:
            host::PressPacket(static_cast<char16_t>(0x0980 + in.TakeByte() % 0x80));
            break;
          case kActCount:
            break;
        }
      }
    }
    if (!holding_) host::PumpMessages();
    if (Tracing()) Trace(step);
    Check();
    if (chord != nullptr) CheckEatenKeyShowed(chord);
    if (terminated) FUZZ_CHECK(host::DocumentText(context_) == before_);
  }

 private:
  void Snapshot() {
    before_ = host::DocumentText(context_);
    const host::DocumentSelection selection = host::SelectionOf(context_);
    LONG low = selection.start;
    LONG high = selection.end;
    for (const host::CompositionInfo& open : host::Compositions(context_)) {
      low = std::min(low, open.start);
      high = std::max(high, open.end);
    }
    low_ = static_cast<size_t>(std::clamp<LONG>(low, 0, static_cast<LONG>(before_.size())));
    high_ = static_cast<size_t>(std::clamp<LONG>(high, 0, static_cast<LONG>(before_.size())));
    backspacesBefore_ = Backspaces();
    settledBefore_ = !holding_ && host::PendingEditSessionCount() == 0;
    seenBefore_ = Seen();
    keyDownsBefore_ = KeyDowns();
  }

  // What the user sees after a step, and the keys composed, less a Shift
  // marker at their end that still waits for its key.
  struct Sight {
    std::u16string text;
    std::optional<std::pair<LONG, LONG>> composition;  // an empty one shows nothing
    std::u16string keys;
    std::optional<host::CandidateListReading> list;
    bool windowShown = false;
    bool operator==(const Sight& other) const {
      auto sameList = [](const host::CandidateListReading& a, const host::CandidateListReading& b) {
        return a.strings == b.strings && a.selection == b.selection &&
               a.pageStarts == b.pageStarts && a.currentPage == b.currentPage;
      };
      return text == other.text && composition == other.composition && keys == other.keys &&
             list.has_value() == other.list.has_value() &&
             (!list || sameList(*list, *other.list)) && windowShown == other.windowShown;
    }
  };
  Sight Seen() const {
    Sight sight;
    sight.text = host::DocumentText(context_);
    for (const host::CompositionInfo& open : host::Compositions(context_))
      if (open.start < open.end) sight.composition = std::make_pair(open.start, open.end);
    if (service_->engine != nullptr && service_->engine->keyBuffer.text != nullptr)
      sight.keys.assign(service_->engine->keyBuffer.text,
                        static_cast<size_t>(service_->engine->keyBuffer.length));
    while (!sight.keys.empty() && sight.keys.back() == 0xF8FE) sight.keys.pop_back();
    if (std::optional<host::LiveCandidateList> list = host::ReadLiveCandidateList())
      sight.list = list->reading;
    sight.windowShown = ShownWindow().has_value();
    return sight;
  }
  static size_t KeyDowns() {
    size_t count = 0;
    for (const host::ApplicationKeyMessage& m : host::ApplicationKeyMessages())
      if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) ++count;
    return count;
  }

  // A key no key-down of which reached the application was eaten: the user
  // must see what it did. Steps taken while sessions waited, and the keys
  // that type into the composition (a letter, a number key that may choose,
  // layout 8's Shift), are left out: what they did may show later, or be
  // the layout's (an o after a consonant writes nothing in layout 8).
  void CheckEatenKeyShowed(const std::string& chord) {
    static const char* const kChecked[] = {
        "Enter",  "Space",      "Tab",         "Backspace", "Escape", "Left",
        "Right",  "Ctrl",       "Ctrl+A",      "Ctrl+Z",    "Alt",    "F1",
        "RCtrl",  "Ctrl+Shift", "Shift+Space", "Shift+Enter", "Shift+Tab", "Ctrl+Backspace",
        "Up",     "Down",       "PageUp",      "PageDown",  "Home",   "End"};
    // Moving in a list on the screen may find nowhere to go (one item,
    // one page, the first item already).
    static const char* const kMoves[] = {"Up", "Down", "PageUp", "PageDown", "Home", "End"};
    auto listed = [&](const auto& names) {
      return std::find(std::begin(names), std::end(names), chord) != std::end(names);
    };
    if (!listed(kChecked) || !settledBefore_ || holding_ || host::PendingEditSessionCount() != 0 ||
        KeyDowns() != keyDownsBefore_ || !active_)
      return;
    const Sight after = Seen();
    if (after == seenBefore_) FUZZ_CHECK(listed(kMoves) && after.windowShown);
  }

  // LUTEM_FUZZ_TRACE set: each step's document, composition, selection and
  // list on standard error, for reading a finding.
  static bool Tracing() {
    static const bool tracing = std::getenv("LUTEM_FUZZ_TRACE") != nullptr;
    return tracing;
  }
  void Trace(uint8_t step) const {
    char head[16];
    std::snprintf(head, sizeof head, "step %02X: \"", step);
    std::string line = head + WideToUtf8(host::DocumentText(context_)) + "\"";
    for (const host::CompositionInfo& open : host::Compositions(context_))
      line += " composition [" + std::to_string(open.start) + ", " + std::to_string(open.end) + ")";
    const host::DocumentSelection selection = host::SelectionOf(context_);
    line += " selection [" + std::to_string(selection.start) + ", " +
            std::to_string(selection.end) + ")";
    line += " pending " + std::to_string(host::PendingEditSessionCount());
    for (const host::PropertyRun& run : host::PropertyRuns(context_, GUID_PROP_ATTRIBUTE))
      line += " attribute [" + std::to_string(run.start) + ", " + std::to_string(run.end) + ") " +
              (run.type == VT_I4 ? std::to_string(run.value) : "none");
    std::fprintf(stderr, "%s\n", line.c_str());
  }

  static size_t Backspaces() {
    size_t count = 0;
    for (const host::ApplicationKeyMessage& m : host::ApplicationKeyMessages())
      if (m.message == WM_CHAR && m.wParam == 0x08) ++count;
    return count;
  }

  void Check() {
    const std::u16string text = host::DocumentText(context_);
    FUZZ_CHECK(IsWellFormedUtf16(text));
    const std::vector<host::CompositionInfo> open = host::Compositions(context_);
    FUZZ_CHECK(open.size() <= 1);
    for (const host::CompositionInfo& composition : open) {
      FUZZ_CHECK(0 <= composition.start && composition.start <= composition.end);
      FUZZ_CHECK(static_cast<size_t>(composition.end) <= text.size());
    }
    // Once every session has run, the composed text shows as composed (an
    // empty composition, such as layout 8's lone Shift marker, has none).
    if (!open.empty() && open.back().start < open.back().end &&
        host::PendingEditSessionCount() == 0) {
      for (const host::PropertyRun& run : host::PropertyRuns(context_, GUID_PROP_ATTRIBUTE)) {
        if (run.start < open.back().end && open.back().start < run.end)
          FUZZ_CHECK(run.type == VT_I4);
      }
    }
    // What lay before the composition and the caret stays, less what the
    // application's own Backspaces took (a surrogate pair each at most);
    // what lay after them stays.
    const size_t taken = 2 * (Backspaces() - backspacesBefore_);
    const size_t kept = low_ > taken ? low_ - taken : 0;
    const std::u16string_view after = std::u16string_view(before_).substr(high_);
    FUZZ_CHECK(text.compare(0, kept, before_, 0, kept) == 0);
    FUZZ_CHECK(text.size() >= kept + after.size());
    FUZZ_CHECK(std::u16string_view(text).substr(text.size() - after.size()) == after);

    if (const std::optional<host::LiveCandidateList> list = host::ReadLiveCandidateList()) {
      const host::CandidateListReading& reading = list->reading;
      if (reading.countResult == S_OK && reading.selectionResult == S_OK && reading.count > 0)
        FUZZ_CHECK(reading.selection < reading.count);
      if (reading.pagesResult == S_OK) {
        for (size_t i = 0; i < reading.pageStarts.size(); ++i) {
          FUZZ_CHECK(reading.pageStarts[i] <= reading.count);
          if (i > 0) FUZZ_CHECK(reading.pageStarts[i - 1] < reading.pageStarts[i]);
        }
      }
      for (const std::u16string& candidate : reading.strings)
        FUZZ_CHECK(IsWellFormedUtf16(candidate));
    }
  }

  static std::optional<host::WindowInfo> ShownWindow() {
    const std::vector<HWND> windows = host::WindowsOfClass(u"LutemIME.CandidateWindow");
    if (windows.empty()) return std::nullopt;
    std::optional<host::WindowInfo> window = host::DescribeWindow(windows.back());
    if (!window || !window->visible) return std::nullopt;
    return window;
  }

  // The middle of row N of the page, as a user aims.
  static void Click(int row) {
    const std::optional<host::WindowInfo> window = ShownWindow();
    if (!window) return;
    const int dpi = static_cast<int>(window->dpi);
    const int rowHeight = (window->rect.bottom - window->rect.top - 2 * MulDiv(5, dpi, 96)) / 7;
    host::Click(window->window, MulDiv(20, dpi, 96), (row - 1) * rowHeight + rowHeight / 2);
  }

  static void Wheel(int notches) {
    if (const std::optional<host::WindowInfo> window = ShownWindow())
      host::Wheel(window->window, notches * WHEEL_DELTA);
  }

  host::EditSessionGrant grant_;
  host::TsfApplication app_;
  LutemIME* service_ = nullptr;  // the application's reference keeps it
  bool settledBefore_ = false;
  Sight seenBefore_;
  size_t keyDownsBefore_ = 0;
  ITfDocumentMgr* document_ = nullptr;
  ITfContext* context_ = nullptr;
  bool active_ = false;
  bool holding_ = false;
  std::u16string before_;
  size_t low_ = 0;
  size_t high_ = 0;
  size_t backspacesBefore_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SetUpHostOnce();
  FuzzInput in(data, size);
  const uint8_t settings = in.TakeByte();
  const int layout = (settings & 7) + 1;
  const int encoding = (settings >> 3) & 1;
  static const host::EditSessionGrant kGrants[] = {host::EditSessionGrant::Immediate,
                                                   host::EditSessionGrant::Deferred,
                                                   host::EditSessionGrant::RefuseSynchronous};
  const host::EditSessionGrant grant = kGrants[((settings >> 4) & 3) % 3];
  const bool suggestionWindow = (settings & 0x40) == 0;
  const bool keyDownOnly = (settings & 0x80) != 0;

  host::ResetKeyboard();
  try {
    {
      Session session(grant);
      if (session.Activate(layout, encoding, suggestionWindow, keyDownOnly)) {
        for (size_t steps = 0; steps < kMaxSteps && !in.Empty(); ++steps) session.Play(in);
        session.Deactivate();
      }
    }
  } catch (...) {
    FUZZ_CHECK(!"an exception reached the application");
  }
  host::SetEditSessionGrant(host::EditSessionGrant::Immediate);
  host::ResetKeyboard();
  host::ResetDesktop();
  return 0;
}
