// Typing through the host as a user types: each key goes down the whole
// road (the key sink, the key session, the composition written, the list
// rebuilt, the candidate window sized and drawn, the picture handed to the
// layered window), with the default dictionary and the generated language
// model loaded, in every layout and both encodings. One iteration is one
// key; the p99 counter is the 99th percentile of single keys. The text
// service runs in this process, so the same engines can be timed alone on
// the same keys: "outside_engines" is the share of a key spent outside the
// conversion and the list build (TSF, the window, the drawing). On a busy
// machine a key's wall time also holds the time the thread waited for a
// core: "cpu_p50_us"/"cpu_p99_us" are the thread's own CPU time per key, and
// "engine_cpu_us" (mean), "engine_cpu_p50_us" and "engine_cpu_p99_us" the
// engines' CPU time per key.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "BenchData.h"
#include "DictionaryAndModel.h"
#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "host/user32/Desktop.h"
#include "host/user32/Keyboard.h"
#include "host/user32/MessagePump.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/module/TextServiceGuids.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kKeys = 3000;
constexpr size_t kWords = 60;

// A drive C: of its own (no settings server: the defaults stand, and each
// run sets the layout and encoding itself) and the window class.
std::string SetUpHost() {
  static const std::string failure = []() -> std::string {
    std::string loaded = LoadDefaultDictionaryAndModel();
    if (!loaded.empty()) return loaded;
    const std::string root = BenchTempFolder("lutem-bench");
    if (root.empty()) return "cannot make a system root";
    setenv("LUTEM_SYSTEM_ROOT", root.c_str(), 1);
    if (CandidateWindowClass() == 0) return "cannot register the candidate window's class";
    host::SetDefaultProfile(0x0845, GUID_TFCAT_TIP_KEYBOARD, CLSID_TextService,
                            GUID_KeyboardProfile);
    return {};
  }();
  return failure;
}

std::vector<std::u16string> Words() {
  std::vector<std::u16string> words;
  for (const std::string& typed : GeneratedModelTyping()) {
    if (words.size() == kWords) break;
    words.emplace_back(typed.begin(), typed.end());
  }
  return words;
}

double ThreadCpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Percentile(std::vector<double> times, size_t percent) {
  std::sort(times.begin(), times.end());
  return times[std::min(times.size() - 1, times.size() * percent / 100)];
}

// The engines' times per key alone on the same keys: wall mean, thread CPU
// mean and the CPU time's median and 99th percentile.
struct EngineTimes {
  double mean_us = 0;
  double cpu_us = 0;
  double cpu_p50_us = 0;
  double cpu_p99_us = 0;
};

// The engine alone on the same keys: each prefix converted and its list
// built, as the composition does for every key.
EngineTimes EngineMicrosecondsPerKey(const std::vector<std::u16string>& words) {
  CCompositionProcessorEngine engine;
  EngineDriver::LoadDictionaries(engine);
  LutemIMEArray<CCandidateListItem> list;
  double total = 0;
  int keys = 0;
  std::vector<double> cpuTimes;
  cpuTimes.reserve(kKeys);
  const double cpuStart = ThreadCpuMicroseconds();
  for (size_t w = 0; keys < kKeys; w = (w + 1) % words.size()) {
    for (size_t length = 1; length <= words[w].size() && keys < kKeys; ++length, ++keys) {
      const double keyCpu = ThreadCpuMicroseconds();
      const Clock::time_point start = Clock::now();
      EngineDriver::Type(engine, std::u16string_view(words[w]).substr(0, length), &list);
      total += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
      cpuTimes.push_back(ThreadCpuMicroseconds() - keyCpu);
    }
  }
  EngineTimes times;
  times.cpu_us = (ThreadCpuMicroseconds() - cpuStart) / keys;
  EngineDriver::SetKeys(engine, {});
  times.mean_us = total / keys;
  times.cpu_p50_us = Percentile(cpuTimes, 50);
  times.cpu_p99_us = Percentile(cpuTimes, 99);
  return times;
}

// The text service activated in app's focused document and set to the
// layout and encoding, the suggestion bar on; null when it did not activate.
ITfTextInputProcessorEx* ActivateService(host::TsfApplication& app, int32_t layout,
                                         int32_t encoding) {
  ITfTextInputProcessorEx* service = nullptr;
  if (LutemIME::CreateInstance(nullptr, IID_ITfTextInputProcessorEx,
                               reinterpret_cast<void**>(&service)) != S_OK ||
      app.ActivateTextService(CLSID_TextService, service) != S_OK) {
    if (service != nullptr) service->Release();
    return nullptr;
  }
  host::PumpMessages();
  CurrentLayout = layout;
  CurrentEncoding = encoding;
  CandidateWindow = 1;
  return service;
}

void BM_TypeKeyThroughTheHost(benchmark::State& state) {
  const std::string failure = SetUpHost();
  if (!failure.empty()) {
    state.SkipWithError(failure.c_str());
    return;
  }
  const int32_t layout = static_cast<int32_t>(state.range(0));
  const int32_t encoding = static_cast<int32_t>(state.range(1));
  const std::vector<std::u16string> words = Words();
  if (words.empty()) {
    state.SkipWithError("the generated model gave no words");
    return;
  }
  host::RecordGdiplusCalls(false);
  std::vector<double> times;
  std::vector<double> cpuTimes;
  times.reserve(kKeys);
  cpuTimes.reserve(kKeys);
  {
    host::TsfApplication app;
    app.Focus(app.CreateDocument());
    ITfTextInputProcessorEx* service = ActivateService(app, layout, encoding);
    if (service == nullptr) {
      state.SkipWithError("the text service did not activate");
      return;
    }

    size_t word = 0;
    size_t at = 0;
    for (auto _ : state) {
      const double cpuStart = ThreadCpuMicroseconds();
      const Clock::time_point start = Clock::now();
      host::TypeText(std::u16string(1, words[word][at]));
      host::PumpMessages();
      const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
      cpuTimes.push_back(ThreadCpuMicroseconds() - cpuStart);
      state.SetIterationTime(seconds);
      times.push_back(seconds * 1e6);
      if (++at == words[word].size()) {
        // The word is let go, untimed: the next key starts a new composition.
        host::PressChord("Escape");
        host::PumpMessages();
        at = 0;
        word = (word + 1) % words.size();
      }
    }
    app.DeactivateTextService(CLSID_TextService);
    service->Release();
  }
  host::ResetDesktop();
  host::RecordGdiplusCalls(true);

  double mean = 0;
  for (double time : times) mean += time;
  mean /= static_cast<double>(times.size());
  const EngineTimes engine = EngineMicrosecondsPerKey(words);
  state.counters["p50_us"] = Percentile(times, 50);
  state.counters["p99_us"] = Percentile(times, 99);
  state.counters["cpu_p50_us"] = Percentile(cpuTimes, 50);
  state.counters["cpu_p99_us"] = Percentile(cpuTimes, 99);
  state.counters["mean_us"] = mean;
  state.counters["engine_us"] = engine.mean_us;
  state.counters["engine_cpu_us"] = engine.cpu_us;
  state.counters["engine_cpu_p50_us"] = engine.cpu_p50_us;
  state.counters["engine_cpu_p99_us"] = engine.cpu_p99_us;
  state.counters["outside_engines"] = std::max(0.0, 1.0 - engine.mean_us / mean);
}
BENCHMARK(BM_TypeKeyThroughTheHost)
    ->ArgNames({"layout", "encoding"})
    ->ArgsProduct({{1, 2, 3, 4, 5, 6, 7, 8}, {0, 1}})
    ->Iterations(kKeys)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A user who never types a space: 10,000 keys in one composition (and 2,000,
// to show how a key's cost grows with the buffer), each key converting the
// whole buffer again and rebuilding the list and the window. One iteration
// is the whole run; "engine_s" is the engines alone on the same keys
// ("convert_s" the conversions, "list_s" the list builds; the buffer's copy
// is in neither),
// "last_keys_ms" the mean of the last 100 keys through the host.
std::u16string LongKeys(size_t count) {
  const std::u16string letters = u"amikhbsrtnlodgpe";
  std::u16string keys;
  uint32_t seed = 1;
  for (size_t i = 0; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    keys += letters[(seed >> 16) % letters.size()];
  }
  return keys;
}

void BM_TypeLongWordThroughTheHost(benchmark::State& state) {
  const std::string failure = SetUpHost();
  if (!failure.empty()) {
    state.SkipWithError(failure.c_str());
    return;
  }
  const int32_t layout = static_cast<int32_t>(state.range(0));
  const std::u16string keys = LongKeys(static_cast<size_t>(state.range(1)));
  host::RecordGdiplusCalls(false);
  double lastKeys = 0;
  for (auto _ : state) {
    host::TsfApplication app;
    app.Focus(app.CreateDocument());
    ITfTextInputProcessorEx* service = ActivateService(app, layout, 0);
    if (service == nullptr) {
      state.SkipWithError("the text service did not activate");
      return;
    }
    const Clock::time_point start = Clock::now();
    Clock::time_point lastStart = start;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i + 100 == keys.size()) lastStart = Clock::now();
      host::TypeText(keys.substr(i, 1));
      host::PumpMessages();
    }
    const Clock::time_point end = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    lastKeys = std::chrono::duration<double, std::milli>(end - lastStart).count() / 100;
    host::PressChord("Escape");
    host::PumpMessages();
    app.DeactivateTextService(CLSID_TextService);
    service->Release();
  }
  host::ResetDesktop();
  host::RecordGdiplusCalls(true);

  CCompositionProcessorEngine engine;
  EngineDriver::LoadDictionaries(engine);
  LutemIMEArray<CCandidateListItem> list;
  double convert = 0;
  double build = 0;
  for (size_t length = 1; length <= keys.size(); ++length) {
    EngineDriver::SetKeys(engine, std::u16string_view(keys).substr(0, length));
    const Clock::time_point start = Clock::now();
    EngineDriver::Convert(engine);
    const Clock::time_point converted = Clock::now();
    engine.BuildCandidateList(&list);
    convert += std::chrono::duration<double>(converted - start).count();
    build += std::chrono::duration<double>(Clock::now() - converted).count();
  }
  state.counters["engine_s"] = convert + build;
  state.counters["convert_s"] = convert;
  state.counters["list_s"] = build;
  EngineDriver::SetKeys(engine, {});
  state.counters["last_keys_ms"] = lastKeys;
}
BENCHMARK(BM_TypeLongWordThroughTheHost)
    ->ArgNames({"layout", "keys"})
    ->ArgsProduct({{1, 2, 3, 4, 5, 6, 7, 8}, {2000, 10000}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace
