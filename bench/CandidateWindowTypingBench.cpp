// The candidate window's share of typing, alone: the lists a user's keys
// make (the default dictionary and the generated model, each key's list
// built beforehand by the engine, untimed) handed to the window key by key
// as the composition does (the list cleared and filled, pages, size, place,
// paint, the picture handed to the layered window), and a new window for
// every word, shown as the candidate-list element shows it. One iteration
// is one key; "p99_us" and "cpu_p99_us" are single keys' wall and CPU time.
// The long-word row is one composition of 2,000 keys without a space, whose
// converted text grows at every key.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "BenchData.h"
#include "DictionaryAndModel.h"
#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "host/user32/Desktop.h"
#include "service/candidate/CCandidateWindow.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"

namespace {

using Clock = std::chrono::steady_clock;
using KeyList = std::vector<std::u16string>;

constexpr size_t kWords = 60;
constexpr size_t kKeys = 3000;

HRESULT IgnoreChoice(void*, UINT) { return S_OK; }

double ThreadCpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Percentile(std::vector<double> times, size_t percent) {
  if (times.empty()) return 0;
  std::sort(times.begin(), times.end());
  return times[std::min(times.size() - 1, times.size() * percent / 100)];
}

// Every key's list, a word at a time: each prefix of each word typed.
std::vector<std::vector<KeyList>> WordLists(int32_t layout, const std::vector<std::u16string>& words) {
  CurrentLayout = layout;
  CurrentEncoding = 0;
  CCompositionProcessorEngine engine;
  EngineDriver::LoadDictionaries(engine);
  LutemIMEArray<CCandidateListItem> list;
  std::vector<std::vector<KeyList>> lists;
  for (const std::u16string& word : words) {
    lists.emplace_back();
    for (size_t length = 1; length <= word.size(); ++length) {
      EngineDriver::Type(engine, std::u16string_view(word).substr(0, length), &list);
      KeyList texts;
      for (size_t i = 0; i < list.Count(); ++i) {
        const CCandidateListItem* item = list.GetAt(i);
        texts.emplace_back(item->text != nullptr ? AsChar16(item->text) : u"", item->length);
      }
      lists.back().push_back(std::move(texts));
    }
  }
  EngineDriver::SetKeys(engine, {});
  return lists;
}

// A window as the candidate-list element makes and shows it for a new list.
std::unique_ptr<CCandidateWindow> OpenWindow(const LutemIMEArray<unsigned long>& labels) {
  auto window = std::make_unique<CCandidateWindow>(&labels, &IgnoreChoice, nullptr, 13);
  window->Create(CandidateWindowClass(), WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                 WS_POPUP, nullptr, 0, 0, nullptr);
  window->Resize(0, 0, static_cast<int>(window->MinWidth()),
                 static_cast<int>(7 * window->ItemHeight()) + 4);
  window->Render();
  window->Show(TRUE);
  window->Move(200, 300);
  return window;
}

// One key's update, as the composition hands a list to the window.
void Update(CCandidateWindow& window, const KeyList& texts) {
  window.ClearList();
  window.Invalidate();
  for (const std::u16string& text : texts) {
    CCandidateListItem item;
    item.length = text.size();
    item.text = AsWchar(text.c_str());
    window.AddString(item);
  }
  window.SetPageIndexFromCount(static_cast<UINT>(texts.size()));
  window.ResizeToContent();
  window.Move(200, 300);
  window.Render();
}

struct Session {
  Session() {
    host::RecordGdiplusCalls(false);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    for (unsigned long label = 1; label <= 7; ++label) *labels.Append() = label;
  }
  ~Session() {
    Gdiplus::GdiplusShutdown(token);
    host::ResetDesktop();
    host::RecordGdiplusCalls(true);
  }
  ULONG_PTR token = 0;
  LutemIMEArray<unsigned long> labels;
};

void Report(benchmark::State& state, const std::vector<double>& times,
            const std::vector<double>& cpuTimes) {
  state.counters["p50_us"] = Percentile(times, 50);
  state.counters["p99_us"] = Percentile(times, 99);
  state.counters["cpu_p50_us"] = Percentile(cpuTimes, 50);
  state.counters["cpu_p99_us"] = Percentile(cpuTimes, 99);
}

void BM_CandidateWindowTypingKeys(benchmark::State& state) {
  const std::string failure = LoadDefaultDictionaryAndModel();
  if (!failure.empty()) {
    state.SkipWithError(failure.c_str());
    return;
  }
  std::vector<std::u16string> words;
  for (const std::string& typed : GeneratedModelTyping()) {
    if (words.size() == kWords) break;
    words.emplace_back(typed.begin(), typed.end());
  }
  const std::vector<std::vector<KeyList>> lists =
      WordLists(static_cast<int32_t>(state.range(0)), words);
  if (lists.empty()) {
    state.SkipWithError("the generated model gave no words");
    return;
  }
  Session session;
  std::vector<double> times, cpuTimes;
  std::unique_ptr<CCandidateWindow> window;
  size_t word = 0, at = 0;
  for (auto _ : state) {
    const double cpuStart = ThreadCpuMicroseconds();
    const Clock::time_point start = Clock::now();
    if (at == 0) window = OpenWindow(session.labels);
    Update(*window, lists[word][at]);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    cpuTimes.push_back(ThreadCpuMicroseconds() - cpuStart);
    times.push_back(seconds * 1e6);
    state.SetIterationTime(seconds);
    if (++at == lists[word].size()) {
      window->Destroy();
      window.reset();
      at = 0;
      word = (word + 1) % lists.size();
    }
  }
  if (window) window->Destroy();
  window.reset();
  Report(state, times, cpuTimes);
}
BENCHMARK(BM_CandidateWindowTypingKeys)
    ->ArgName("layout")
    ->Arg(1)
    ->Arg(3)
    ->Arg(8)
    ->Iterations(kKeys)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One composition that never ends: the converted text and the raw keys grow
// at every key, the way a user who types no space makes them.
void BM_CandidateWindowLongWord(benchmark::State& state) {
  const std::u16string letters = u"amikhbsrtnlodgpe";
  std::u16string keys;
  uint32_t seed = 1;
  for (int64_t i = 0; i < state.range(0); ++i) {
    seed = seed * 1103515245u + 12345u;
    keys += letters[(seed >> 16) % letters.size()];
  }
  CurrentLayout = 1;
  CurrentEncoding = 0;
  CCompositionProcessorEngine engine;
  std::vector<KeyList> lists;
  for (size_t length = 1; length <= keys.size(); ++length) {
    EngineDriver::SetKeys(engine, std::u16string_view(keys).substr(0, length));
    EngineDriver::Convert(engine);
    // The converted text and the keys: what a list holds once no dictionary
    // word is that long.
    lists.push_back({AsChar16(engine.convertedText), keys.substr(0, length)});
  }
  EngineDriver::SetKeys(engine, {});
  Session session;
  std::vector<double> times, cpuTimes;
  std::unique_ptr<CCandidateWindow> window = OpenWindow(session.labels);
  size_t at = 0;
  for (auto _ : state) {
    const double cpuStart = ThreadCpuMicroseconds();
    const Clock::time_point start = Clock::now();
    Update(*window, lists[at]);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    cpuTimes.push_back(ThreadCpuMicroseconds() - cpuStart);
    times.push_back(seconds * 1e6);
    state.SetIterationTime(seconds);
    at = (at + 1) % lists.size();
  }
  window->Destroy();
  Report(state, times, cpuTimes);
}
BENCHMARK(BM_CandidateWindowLongWord)
    ->ArgName("keys")
    ->Arg(2000)
    ->Iterations(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
