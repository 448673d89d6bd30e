// The engine's set-up for a keyboard profile.
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/langbar/CCompartmentEventSink.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/langbar/CLangBarItemButton.h"

BOOL CCompositionProcessorEngine::InitForProfile(LANGID profileLangId, REFGUID profile,
                                                 ITfThreadMgr* threadMgr,
                                                 TfClientId profileClientId, BOOL secureMode) {
  if (profileClientId == 0 && threadMgr == nullptr) return FALSE;

  // A profile set up before (another language or default profile at a later
  // activation) gives way first: TSF would refuse the keys a second time, the
  // bar would show two buttons, and the sinks would answer every change twice.
  WaitForDictionaryThreads();
  ReleaseLanguageBarAndCompartments();
  ReleaseHotkey(&candidateWindowHotkey);
  ReleaseHotkey(&openCloseHotkey);

  langId = profileLangId;
  profileGuid = profile;
  clientId = profileClientId;

  RegisterHotkeys(threadMgr, profileClientId);
  InitCompartments(threadMgr, profileClientId);
  CreateLanguageBarButton(threadMgr, profileClientId, secureMode);

  try {
    compositionKeys.Clear();
    for (size_t row = 0; row < kKeystrokeSlots && keystrokeTable[row].virtualKey != 0; ++row)
      *compositionKeys.Append() = keystrokeTable[row];
    candidateListWidth = 13;
    InitCandidateIndexRange();
  } catch (...) {
    // No memory: the engine goes without composition keys; nothing is typed.
  }

  StartDictionaryThread();
  return TRUE;
}

void CCompositionProcessorEngine::InitCandidateIndexRange() {
  candidateLabels.Clear();
  for (unsigned long label = 1; label <= 7; ++label) *candidateLabels.Append() = label;
}

void CCompositionProcessorEngine::ReleaseLanguageBarAndCompartments() {
  if (languageBarButton != nullptr) {
    languageBarButton->Detach();
    languageBarButton->Release();
    languageBarButton = nullptr;
  }
  delete conversionModeCompartment;
  conversionModeCompartment = nullptr;
  for (CCompartmentEventSink** sink : {&openCloseSink, &conversionModeSink}) {
    if (*sink == nullptr) continue;
    (*sink)->StopListening();
    (*sink)->Release();
    *sink = nullptr;
  }
}

void CCompositionProcessorEngine::WaitForDictionaryThreads() {
  for (HANDLE thread : dictionaryThreads) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  dictionaryThreads.clear();
}
