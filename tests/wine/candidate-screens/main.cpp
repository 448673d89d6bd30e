// lutem-candidate-screens: the input method's candidate window on the screen,
// for pictures of it (scripts/windows/screenshots.sh takes them).
//   lutem-candidate-screens.exe DPI
// DPI is the screen's resolution the run was set up with; the window must
// have taken it. The program is built from the same library as LutemIME.dll
// and makes the window as the candidate-list element does: the class from
// the module's own attach, a per-monitor-aware thread, a layered top-most
// pop-up sized for seven rows, filled with a fixed list and shown below
// the text of an application window. It asks for two pictures, the first
// page and the second, named candidate-window-DPIdpi and
// candidate-window-DPIdpi-page2, and exits with 0 (1 when the window was
// not made or has another DPI).
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ApplicationWindow.h"
#include "Platform.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/module/DllMain.h"

namespace {

// Ten candidates, so that there are two pages: the Bengali words for ami
// (I), then the keys as typed, amra (we), amar (my), amader (our), bangla,
// kshoma and amontron (conjuncts), amloki and sotero (seventeen).
const std::vector<std::u16string>& Candidates() {
  static const std::vector<std::u16string> words = {
      u"\u0986\u09AE\u09BF",
      u"ami",
      u"\u0986\u09AE\u09B0\u09BE",
      u"\u0986\u09AE\u09BE\u09B0",
      u"\u0986\u09AE\u09BE\u09A6\u09C7\u09B0",
      u"\u09AC\u09BE\u0982\u09B2\u09BE",
      u"\u0995\u09CD\u09B7\u09AE\u09BE",
      u"\u0986\u09AE\u09A8\u09CD\u09A4\u09CD\u09B0\u09A3",
      u"\u0986\u09AE\u09B2\u0995\u09C0",
      u"\u09B8\u09A4\u09C7\u09B0\u09CB",
  };
  return words;
}

HRESULT IgnoreChoice(void*, UINT) { return S_OK; }

void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
}

// Asks screenshots.sh for a picture of the rectangle and waits until it is
// taken.
bool Picture(const std::string& name, const RECT& area) {
  Pump(600);  // the compositor puts the layered window on the screen
  std::printf("LUTEM SCREEN READY %s %ldx%ld+%ld+%ld\n", name.c_str(), area.right - area.left,
              area.bottom - area.top, area.left, area.top);
  std::fflush(stdout);
  char line[16];
  return std::fgets(line, sizeof line, stdin) != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const UINT expectedDpi = argc == 2 ? static_cast<UINT>(std::atoi(argv[1])) : 0;
  if (expectedDpi == 0) {
    std::fprintf(stderr, "usage: lutem-candidate-screens DPI\n");
    return 2;
  }
  Gdiplus::GdiplusStartupInput startup;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &startup, nullptr) != Gdiplus::Ok) return 1;
  SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  if (!DllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH, nullptr)) return 1;

  ApplicationWindow application;
  if (!application.Create(expectedDpi)) return 1;

  LutemIMEArray<unsigned long> labels;
  for (unsigned long label = 1; label <= 7; ++label) *labels.Append() = label;
  auto window = std::make_unique<CCandidateWindow>(&labels, &IgnoreChoice, nullptr, 13);
  if (!window->Create(CandidateWindowClassAtom, WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                      WS_POPUP, nullptr, 0, 0, nullptr))
    return 1;
  std::printf("candidate window: %u DPI, rows of %u pixels, at least %u pixels wide\n",
              window->Dpi(), window->ItemHeight(), window->MinWidth());
  if (window->Dpi() != expectedDpi) {
    std::fprintf(stderr, "the candidate window has %u DPI, not %u\n", window->Dpi(), expectedDpi);
    return 1;
  }
  // Rows of no height mean GDI+ found no font at all: the pictures would
  // show an empty strip.
  if (window->ItemHeight() == 0) {
    std::fprintf(stderr, "the candidate window has no font to measure its rows with\n");
    return 1;
  }

  // One candidate update, as the element makes it, below the text's caret.
  window->ClearList();
  for (const std::u16string& word : Candidates()) {
    CCandidateListItem item;
    item.length = word.size();
    item.text = AsWchar(word.c_str());
    window->AddString(item);
  }
  window->SetPageIndexFromCount(static_cast<UINT>(Candidates().size()));
  window->SetSelection(2);
  POINT below = application.BelowCaret();
  window->Move(below.x, below.y);
  window->ResizeToContent();
  window->Show(TRUE);
  window->Render();

  const std::string name = "candidate-window-" + std::to_string(expectedDpi) + "dpi";
  // The application's window and the pop-up, which may reach below it.
  RECT area = application.PictureArea();
  RECT popup = {};
  if (window->GetWindowRect(&popup)) UnionRect(&area, &area, &popup);
  bool taken = Picture(name, area);
  if (taken && window->MovePage(1)) taken = Picture(name + "-page2", area);

  window->Destroy();
  window.reset();
  application.Destroy();
  Gdiplus::GdiplusShutdown(token);
  return taken ? 0 : 1;
}
