// The candidate window's share of one key on the typing road: the list of
// seven Bengali candidates handed to the window (each copied and measured),
// the window sized to it and painted, the picture handed to the layered
// window. Measured with the GDI+ call record off, as a typing session runs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchData.h"
#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "host/user32/Desktop.h"
#include "service/candidate/CCandidateWindow.h"

namespace {

HRESULT IgnoreChoice(void*, UINT) { return S_OK; }

void BM_CandidateWindowUpdate(benchmark::State& state) {
  host::RecordGdiplusCalls(false);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

  LutemIMEArray<unsigned long> labels;
  for (unsigned long label = 1; label <= 7; ++label) *labels.Append() = label;
  const std::vector<std::u16string> words = {
      u"\u0986\u09AE\u09BF",          u"ami",
      u"\u0986\u09AE\u09BE\u09B0",    u"\u0986\u09AE\u09BE\u09A6\u09C7\u09B0",
      u"\u0986\u09AE\u09B0\u09BE",    u"\u0986\u09AE\u09BF\u0993",
      u"\u0986\u09AE\u09BE\u0995\u09C7"};
  {
    CCandidateWindow window(&labels, &IgnoreChoice, nullptr, 13);
    window.Create(CandidateWindowClass(),
                  WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP, nullptr, 0, 0,
                  nullptr);
    window.Resize(0, 0, static_cast<int>(window.MinWidth()),
                  static_cast<int>(7 * window.ItemHeight()) + 4);
    window.Show(TRUE);
    if (window.GetWnd() == nullptr) state.SkipWithError("no candidate window");
    for (auto _ : state) {
      window.ClearList();
      for (const std::u16string& word : words) {
        CCandidateListItem item;
        item.length = word.size();
        item.text = AsWchar(word.c_str());
        window.AddString(item);
      }
      window.SetPageIndexFromCount(static_cast<UINT>(words.size()));
      window.ResizeToContent();
      window.Render();
    }
    window.Destroy();
  }
  Gdiplus::GdiplusShutdown(token);
  host::ResetDesktop();
  host::RecordGdiplusCalls(true);
}
BENCHMARK(BM_CandidateWindowUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
