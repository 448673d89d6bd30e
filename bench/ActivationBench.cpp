// What it costs an application to activate the input method and to let it
// go again: TSF activates it at every focus in every application, so this
// runs on the user's way to typing. Measured with a settings server that
// answers (in this process, on the stand-in's pipe) and the shipped theme
// file; the dictionary loads stay on the dictionary thread.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "BenchData.h"
#include "DictionaryAndModel.h"
#include "Platform.h"
#include "PipeServer.h"
#include "SettingsProgramLauncher.h"
#include "SettingsRequestHandler.h"
#include "SettingsStore.h"
#include "UserDictionaryStore.h"
#include "host/SystemRoot.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "service/module/TextServiceGuids.h"
#include "service/settings/SettingsSync.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/LutemIME.h"

namespace {

// A drive C: of the benchmark's own with the theme file installed, and a
// settings server serving it until the process ends.
bool SetUpSystem() {
  static bool ready = [] {
    // The process loads the dictionary and the model once (a load state
    // never goes back): that load must be the real files', not the one the
    // first activation below starts from this empty drive.
    LoadDefaultDictionaryAndModel();
    const std::string root = BenchTempFolder("lutem-bench");
    if (root.empty()) return false;
    setenv("LUTEM_SYSTEM_ROOT", root.c_str(), 1);
    LoadSettings();  // rootDir, where the theme file goes
    std::string ui = platform::HostPathFromWindowsPath(rootDir.Get() + u"\\UI");
    platform::EnsureFolder(ui);
    std::filesystem::copy_file(LUTEM_SHIPPED_THEMES, ui + "/themes.dov");

    // Kept for the life of the process: the server's threads serve until it ends.
    auto* settings = new SettingsStore;
    auto* dictionary = new UserDictionaryStore;
    if (!settings->Open() || !dictionary->Open()) return false;
    auto* launcher = new SettingsProgramLauncher(u"", *settings);
    auto* handler = new SettingsRequestHandler(*settings, *dictionary, *launcher);
    auto* server = new PipeServer(*handler);
    if (!server->Start()) return false;
    std::thread([server] { server->Run(); }).detach();
    settings->Save(u"CurrentLayout", u"3");
    host::SetDefaultProfile(0x0845, GUID_TFCAT_TIP_KEYBOARD, CLSID_TextService,
                            GUID_KeyboardProfile);
    return true;
  }();
  return ready;
}

double Percentile99(const std::vector<double>& times) {
  std::vector<double> sorted(times);
  std::sort(sorted.begin(), sorted.end());
  return sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)];
}

// One repetition is one activation and deactivation, so the p99 row is the
// 99th percentile of single activations.
void BM_ActivateAndDeactivate(benchmark::State& state) {
  if (!SetUpSystem()) {
    state.SkipWithError("cannot set up the settings server");
    return;
  }
  host::TsfApplication app;
  app.Focus(app.CreateDocument());
  ITfTextInputProcessorEx* service = nullptr;
  if (LutemIME::CreateInstance(nullptr, IID_ITfTextInputProcessorEx,
                               reinterpret_cast<void**>(&service)) != S_OK) {
    state.SkipWithError("cannot create the text service");
    return;
  }
  for (auto _ : state) {
    if (app.ActivateTextService(CLSID_TextService, service) != S_OK) {
      state.SkipWithError("activation failed");
      break;
    }
    app.DeactivateTextService(CLSID_TextService);
  }
  if (CurrentLayout != 3) state.SkipWithError("the server's settings did not arrive");
  service->Release();
}
BENCHMARK(BM_ActivateAndDeactivate)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(1000)
    ->ComputeStatistics("p99", Percentile99)
    ->ReportAggregatesOnly(true);

}  // namespace
