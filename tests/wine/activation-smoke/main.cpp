// lutem-activation-smoke: the registered text service loaded and activated
// by the TSF of the system it runs on (Windows, or Wine in CI), as an
// application's thread does it, and what a host can see of that.
//
// Before it runs, the input method is registered (regsvr32) and the settings
// server is running. It stores settings through the server; then, as an
// application, activates the keyboard profile for Bengali (Bangladesh), which
// must be the current input language, and its thread manager, so that TSF
// creates the text service through COM and calls its Activate; it checks
//   - that TSF loaded the module, and its DllMain registered the candidate
//     window's class;
//   - that the settings load asked the server (LOAD_ALL) and took its reply:
//     the module's settings are the values stored, not the defaults;
//   - which sinks the text service advised (read from the thread manager's
//     interfaces), and, where TSF refused one, which call that was;
//   - that every sink advised was removed again, by the deactivation that a
//     failed activation runs or by the thread manager's Deactivate;
//   - that the module can be unloaded afterwards (DllCanUnloadNow, then
//     CoFreeUnusedLibrariesEx), which takes its window class with it.
// The last line is "activation smoke: passed" and the exit code 0, or
// "activation smoke: N failed" and 1.
#include <cstdio>
#include <string>

#include "ModuleSymbols.h"
#include "Platform.h"
#include "ResultText.h"
#include "ServerSettings.h"
#include "SinkBalance.h"
#include "SmokeReport.h"
#include "TsfCallRecorder.h"
#include "common/CandidateWindowNames.h"
#include "service/module/TextServiceGuids.h"

namespace {

constexpr LANGID kBengaliBangladesh = 0x0845;
const WCHAR kModuleName[] = L"LutemIME.dll";

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text.empty() ? "none" : text;
}

bool CandidateClassRegistered(HMODULE module) {
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExW(module, AsWchar(CandidateWindowNames::windowClass.data()), &info) != 0;
}

// The text service's CLSID when TSF has its key sink in the foreground.
bool TextServiceInForeground(ITfKeystrokeMgr* keystrokes) {
  CLSID foreground = GUID_NULL;
  return keystrokes->GetForeground(&foreground) == S_OK &&
         IsEqualCLSID(foreground, CLSID_TextService);
}

void StoreSettings(SmokeReport& report) {
  report.Section("settings server");
  if (!report.Check(WaitForSettingsServer(30000), "its pipe exists")) return;
  for (const ServerSetting& setting : ServerSettings()) {
    std::string request = std::string("SAVE ") + setting.key + " " + std::to_string(setting.value);
    std::string reply = SendToServer(request);
    report.Check(reply.rfind("Error: ", 0) != 0, request + " -> \"" + reply + "\"");
  }
  report.Note("LOAD_ALL -> \"" + SendToServer("LOAD_ALL") + "\"");
}

// The settings the activation's settings load left in the module.
void CheckModuleSettings(SmokeReport& report, HMODULE module) {
  std::vector<std::string> names;
  for (const ServerSetting& setting : ServerSettings()) names.push_back(setting.key);
  ModuleSymbols symbols;
  if (!report.Check(symbols.Read(module, names),
                    "the module's symbol table names its settings" +
                        (symbols.Error().empty() ? "" : ": " + symbols.Error())))
    return;
  for (const ServerSetting& setting : ServerSettings()) {
    int32_t held = *static_cast<const int32_t*>(symbols.Address(setting.key));
    report.Check(held == setting.value, std::string("the text service holds ") + setting.key +
                                            " " + std::to_string(held) + " (the server has " +
                                            std::to_string(setting.value) + ")");
  }
}

void ReportSinkCalls(SmokeReport& report, bool active) {
  const auto& calls = TsfCallRecorder::Calls();
  for (const TsfCallRecorder::Call& call : calls) report.Note(TsfCallRecorder::Describe(call));
  report.Check(!SinksAdvised(calls).empty(),
               "sinks the text service advised: " + Joined(SinksAdvised(calls)));
  const TsfCallRecorder::Call* refused = FirstRefusedAdvise(calls);
  if (active) {
    report.Check(refused == nullptr, "TSF took every sink the text service advised");
  } else if (report.Check(refused != nullptr,
                          "the activation failed on a sink that TSF refused")) {
    report.Note("this TSF lacks " + TsfCallRecorder::Describe(*refused) +
                ", which the activation needs; the text service deactivated itself there");
  }
}

void ActivateThroughTsf(SmokeReport& report) {
  report.Section("activation by TSF");
  ITfInputProcessorProfiles* profiles = nullptr;
  ITfThreadMgr* threadMgr = nullptr;
  ITfKeystrokeMgr* keystrokes = nullptr;
  if (!report.Check(SUCCEEDED(CoCreateInstance(CLSID_TF_InputProcessorProfiles, nullptr,
                                               CLSCTX_INPROC_SERVER, IID_ITfInputProcessorProfiles,
                                               reinterpret_cast<void**>(&profiles))) &&
                        SUCCEEDED(CoCreateInstance(CLSID_TF_ThreadMgr, nullptr,
                                                   CLSCTX_INPROC_SERVER, IID_ITfThreadMgr,
                                                   reinterpret_cast<void**>(&threadMgr))) &&
                        SUCCEEDED(threadMgr->QueryInterface(
                            IID_ITfKeystrokeMgr, reinterpret_cast<void**>(&keystrokes))),
                    "the profiles object, a thread manager and its keystroke manager")) {
    if (keystrokes != nullptr) keystrokes->Release();
    if (threadMgr != nullptr) threadMgr->Release();
    if (profiles != nullptr) profiles->Release();
    return;
  }
  LANGID language = 0;
  profiles->GetCurrentLanguage(&language);
  char languageText[8];
  std::snprintf(languageText, sizeof languageText, "0x%04X", language);
  bool ready =
      report.Check(language == kBengaliBangladesh,
                   std::string("the current input language is ") + languageText +
                       " (Bengali (Bangladesh) is 0x0845; under Wine the locale decides)") &&
      report.Check(TsfCallRecorder::Install(threadMgr),
                   "the recorder sits in the thread manager's sink interfaces");
  // What the user does in the language settings: the keyboard is turned on
  // for the language and chosen.
  HRESULT enabled = ready ? profiles->EnableLanguageProfile(CLSID_TextService, language,
                                                            GUID_KeyboardProfile, TRUE)
                          : E_FAIL;
  HRESULT chosen = ready ? profiles->ActivateLanguageProfile(CLSID_TextService, language,
                                                             GUID_KeyboardProfile)
                         : E_FAIL;
  ready = ready && report.Check(enabled == S_OK, "EnableLanguageProfile: " + ResultText(enabled)) &&
          report.Check(chosen == S_OK, "ActivateLanguageProfile: " + ResultText(chosen)) &&
          report.Check(GetModuleHandleW(kModuleName) == nullptr,
                       "the module is not loaded before the thread manager is activated");
  // The application's thread manager is activated after the profile was
  // chosen: TSF then creates the text service and activates it. (Wine, asked
  // to activate a profile on a thread manager that is already active, runs
  // the service's Activate before it knows the service's client id, and
  // refuses its key sink.)
  TfClientId clientId = TF_CLIENTID_NULL;
  HRESULT activated = ready ? threadMgr->Activate(&clientId) : E_FAIL;
  HMODULE module = GetModuleHandleW(kModuleName);
  if (ready && report.Check(activated == S_OK, "ITfThreadMgr::Activate: " + ResultText(activated)) &&
      report.Check(module != nullptr, "TSF loaded LutemIME.dll through its COM registration")) {
    report.Check(CandidateClassRegistered(module),
                 "its DllMain registered the class LutemIME.CandidateWindow");
    CheckModuleSettings(report, module);
    bool active = TextServiceInForeground(keystrokes);
    report.Note(active ? "the text service is active: its key sink is in the foreground"
                       : "the text service is not active: no key sink of it is in the foreground");
    ReportSinkCalls(report, active);
  }

  report.Section("deactivation");
  HRESULT deactivated = threadMgr->Deactivate();
  report.Check(deactivated == S_OK, "ITfThreadMgr::Deactivate: " + ResultText(deactivated));
  report.Check(SinksLeftAdvised(TsfCallRecorder::Calls()).empty(),
               "every sink advised was removed; left: " +
                   Joined(SinksLeftAdvised(TsfCallRecorder::Calls())));
  report.Check(!TextServiceInForeground(keystrokes), "no key sink of the text service is left");
  keystrokes->Release();
  threadMgr->Release();
  profiles->Release();
}

// The module goes once COM asks it and it has no object left; its
// dictionary loader threads may hold it a little longer.
void CheckUnload(SmokeReport& report) {
  report.Section("unload");
  HMODULE module = GetModuleHandleW(kModuleName);
  if (!report.Check(module != nullptr, "LutemIME.dll stays loaded until COM frees it")) return;
  using CanUnload = HRESULT(STDAPICALLTYPE*)();
  auto canUnload = reinterpret_cast<CanUnload>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
  HRESULT answer = E_FAIL;
  for (int i = 0; i < 100 && canUnload != nullptr && (answer = canUnload()) != S_OK; ++i)
    Sleep(100);
  report.Check(answer == S_OK, "DllCanUnloadNow: " + ResultText(answer));
  CoFreeUnusedLibrariesEx(0, 0);
  report.Check(GetModuleHandleW(kModuleName) == nullptr,
               "CoFreeUnusedLibrariesEx unloaded LutemIME.dll");
  report.Check(!CandidateClassRegistered(module),
               "the class LutemIME.CandidateWindow went with it");
}

}  // namespace

int main() {
  SmokeReport report;
  StoreSettings(report);
  if (!report.Failed()) {
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (report.Check(SUCCEEDED(com), "CoInitializeEx: " + ResultText(com))) {
      ActivateThroughTsf(report);
      CheckUnload(report);
      CoUninitialize();
    }
  }
  if (report.Failed())
    std::printf("activation smoke: %d failed\n", report.Failures());
  else
    std::printf("activation smoke: passed\n");
  return report.Failed() ? 1 : 0;
}
