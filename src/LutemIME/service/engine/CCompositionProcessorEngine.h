#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Platform.h"
#include "conversion/ConversionDispatcher.h"
#include "service/keys/Keystroke.h"
#include "service/keys/KeystrokeState.h"
#include "service/langbar/PreservedKeyRecord.h"
#include "suggest/CBaseDictionaryEngine.h"
#include "suggest/CCandidateListItem.h"
#include "suggest/CStringRange.h"
#include "suggest/LutemIMEArray.h"
#include "suggest/UserDictionary.h"

class CLangBarItemButton;
class CCompartmentValue;
class CCompartmentEventSink;
class CCompositionProcessorEngineAccess;

// The per-activation engine of the text service: the key buffer of the
// composition and its conversion, the composition keys, the conversion
// schemes, the user dictionary, the dictionary engine and the TSF-side
// helpers. The composition code reads and writes the key buffer and the
// converted text directly; the user dictionary is reached only through the
// operations that hold its lock.
class CCompositionProcessorEngine {
 public:
  static constexpr size_t kKeystrokeSlots = 100;
  static constexpr size_t kBuiltInKeystrokes = 92;

  // The keys typed in the current composition: exactly `length` units, no
  // terminator, allocated with new[]; {0, null} outside a composition.
  struct KeyBuffer {
    uint64_t length;
    WCHAR* text;
  };

  CCompositionProcessorEngine();
  ~CCompositionProcessorEngine();
  CCompositionProcessorEngine(const CCompositionProcessorEngine&) = delete;
  CCompositionProcessorEngine& operator=(const CCompositionProcessorEngine&) = delete;

  // The whole key buffer converted for the current layout and encoding, as a
  // new[] NUL-terminated string that the caller releases with delete[]. Never
  // throws: where the conversion fails (a rule that raised, no memory) the
  // keys come back as typed, less the layout-8 Shift marker, so nothing the
  // user typed disappears from the composition.
  WCHAR* ConvertKeystrokes(const CStringRange& keys);

  // Rebuilds list from the key buffer and convertedText (convert first).
  // Never throws; on a failure the list is left empty.
  void BuildCandidateList(LutemIMEArray<CCandidateListItem>* list);

  // Starts a dictionary thread (DictionaryLoaderThread) for this engine, as
  // each profile initialisation does, and keeps its handle in
  // dictionaryThreads; the destructor waits for it. False when the thread
  // cannot be started: the engine then works without dictionary words and
  // learned choices.
  bool StartDictionaryThread();
  // Stores next (may be null) as the dictionary engine, on the dictionary
  // thread. One that stood there before may still be searched by a list
  // build on the UI thread, so it is kept until the engine is destroyed.
  void ReplaceDictionaryEngine(CBaseDictionaryEngine* next);

  // Fills the user dictionary from the settings server ("LOAD_USER_DICT");
  // runs on the dictionary thread. The lock is never held across the pipe.
  void LoadUserDictionary();
  // Remembers the chosen candidate for the keys and tells the server,
  // without waiting for it; an unreachable server only loses the server's copy.
  void AddUserDictionaryEntry(const CStringRange& keys, const CStringRange& candidate);

  // The user dictionary, each call under userDictionaryLock.
  std::optional<std::u16string> FindUserChoice(std::u16string_view keys);
  void StoreUserChoice(std::u16string_view keys, std::u16string_view value);

  // The first row of compositionKeys for code whose modifiers match
  // CurrentModifiers and whose function is filter (0: any) gives state =
  // {CategoryComposing, its function}. FALSE without a match or a state.
  BOOL FindCompositionKey(UINT code, KeystrokeState* state, UINT filter);
  // A candidate label key (a digit key or its numpad twin) while a list is
  // shown (mode not CandidateModeNone) gives state = {CategoryCandidate,
  // FunctionSelectByNumber}. Never with Shift down, with the suggestion bar
  // off, or while the key buffer is all digits and "-./" (the digit then
  // extends a number being typed). The key sink passes shiftDown as
  // GetKeyState(VK_SHIFT) < 0.
  BOOL IsCandidateSelectKey(UINT code, KeystrokeState* state, UINT mode, bool shiftDown);

  // Sets the engine up for a keyboard profile: the preserved keys, the
  // compartments and the language-bar button, the composition keys and the
  // candidate labels, and a dictionary thread. FALSE without a client id and
  // a thread manager. A second call first takes down what the first set up,
  // so each of them exists once per engine.
  BOOL InitForProfile(LANGID profileLangId, REFGUID profile, ITfThreadMgr* threadMgr,
                      TfClientId profileClientId, BOOL secureMode);
  // candidateLabels = 1 to 7.
  void InitCandidateIndexRange();

  // Preserved keys (TSF hot keys). RegisterHotkeys fills both records and
  // preserves them; a key TSF refuses is not reported.
  void RegisterHotkeys(ITfThreadMgr* threadMgr, TfClientId profileClientId);
  BOOL PreserveHotkey(PreservedKeyRecord* record, ITfThreadMgr* threadMgr,
                      TfClientId profileClientId);
  // Ctrl+Space toggles the open/close compartment, Ctrl+Shift+C the
  // GUID_LBI_INPUTMODE compartment and the suggestion bar (in memory only).
  // Every preserved key is eaten.
  void HandlePreservedKey(REFGUID guid, BOOL* pfEaten, ITfThreadMgr* threadMgr,
                          TfClientId profileClientId);
  // Unpreserves the record's keys on the thread's thread manager and empties it.
  void ReleaseHotkey(PreservedKeyRecord* record);

  // Compartments: the keyboard open, the language-bar button with its watch,
  // and the two engine sinks that keep open/close and the conversion mode's
  // native bit equal.
  void InitCompartments(ITfThreadMgr* threadMgr, TfClientId profileClientId);
  void CreateLanguageBarButton(ITfThreadMgr* threadMgr, TfClientId profileClientId,
                               BOOL secureMode);
  // The callback of both engine sinks; context is the engine.
  static HRESULT OnCompartmentChanged(void* context, REFGUID rguid);
  void SyncOpenFromConversion(ITfThreadMgr* threadMgr);
  void SyncConversionFromOpen(ITfThreadMgr* threadMgr);

  WCHAR* convertedText;

 private:
  friend class CCompositionProcessorEngineAccess;  // the tests' window on the lock
  UserDictionary userDictionary;
  CRITICAL_SECTION userDictionaryLock;

 public:
  _KEYSTROKE keystrokeTable[kKeystrokeSlots];
  KeyBuffer keyBuffer;
  // Written by the dictionary thread while the UI thread builds lists. The
  // type is the base so that any dictionary engine can stand here.
  std::atomic<CBaseDictionaryEngine*> dictionaryEngine;
  LANGID langId;
  GUID profileGuid;
  TfClientId clientId;
  LutemIMEArray<_KEYSTROKE> compositionKeys;
  // The table-driven schemes. Their tables are program data that never
  // change once built and a conversion keeps no state, so every engine of
  // the process shares one dispatcher, built by the first engine: an
  // activation, at every focus in every application, builds nothing again.
  const ConversionDispatcher* dispatcher;
  PreservedKeyRecord openCloseHotkey;
  PreservedKeyRecord candidateWindowHotkey;
  CLangBarItemButton* languageBarButton;
  CCompartmentValue* conversionModeCompartment;
  CCompartmentEventSink* conversionModeSink;
  CCompartmentEventSink* openCloseSink;
  LutemIMEArray<unsigned long> candidateLabels;
  uint32_t candidateListWidth;
  std::vector<HANDLE> dictionaryThreads;

 private:
  // What a profile initialisation set up on TSF: the button, the
  // compartment value and sinks, the preserved keys; and the dictionary
  // threads, waited for.
  void ReleaseLanguageBarAndCompartments();
  void WaitForDictionaryThreads();

  std::mutex retiredLock;  // two dictionary threads may replace at once
  std::vector<std::unique_ptr<CBaseDictionaryEngine>> retiredDictionaryEngines;
};
