#include "service/engine/CCompositionProcessorEngine.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "common/SettingsIpcConstants.h"
#include "service/settings/OpenSettingsPipe.h"
#include "service/engine/DictionaryLoaderThread.h"
#include "service/keys/ModifierKeys.h"
#include "service/module/DllObjectCount.h"
#include "service/settings/ProcessSettings.h"
#include "service/settings/SendSettingsCommand.h"
#include "suggest/CandidateListBuilder.h"
#include "suggest/CriticalSectionLock.h"

namespace {

constexpr char16_t kShiftMarker = 0xF8FE;

// The built-in composition keys in table order; each stands once unshifted
// and, unless shiftless, once with Shift. Shift+2 and Shift+3 are left to
// the application.
struct CompositionKey {
  UINT virtualKey;
  bool withShift;
};

constexpr CompositionKey kCompositionKeys[] = {
    {VK_OEM_3, true},     {'1', true},           {'2', false},     {'3', false},
    {'4', true},          {'5', true},           {'6', true},      {'7', true},
    {'8', true},          {'9', true},           {'0', true},      {VK_OEM_MINUS, true},
    {VK_OEM_PLUS, true},  {'Q', true},           {'W', true},      {'E', true},
    {'R', true},          {'T', true},           {'Y', true},      {'U', true},
    {'I', true},          {'O', true},           {'P', true},      {VK_OEM_4, true},
    {VK_OEM_6, true},     {VK_OEM_5, true},      {'A', true},      {'S', true},
    {'D', true},          {'F', true},           {'G', true},      {'H', true},
    {'J', true},          {'K', true},           {'L', true},      {VK_OEM_1, true},
    {VK_OEM_7, true},     {'Z', true},           {'X', true},      {'C', true},
    {'V', true},          {'B', true},           {'N', true},      {'M', true},
    {VK_OEM_COMMA, true}, {VK_OEM_PERIOD, true}, {VK_OEM_2, true},
};

constexpr size_t CountRows() {
  size_t rows = 0;
  for (const CompositionKey& key : kCompositionKeys) rows += key.withShift ? 2 : 1;
  return rows;
}
static_assert(CountRows() == CCompositionProcessorEngine::kBuiltInKeystrokes);

// Built under the thread-safe initialisation of a local static; a build that
// throws leaves it unbuilt, and the next engine tries again.
const ConversionDispatcher& SharedDispatcher() {
  static const ConversionDispatcher dispatcher;
  return dispatcher;
}

WCHAR* NewString(std::u16string_view text) {
  WCHAR* copy = new WCHAR[text.size() + 1];
  std::copy(text.begin(), text.end(), copy);
  copy[text.size()] = 0;
  return copy;
}

}  // namespace

CCompositionProcessorEngine::CCompositionProcessorEngine()
    : convertedText(nullptr),
      keystrokeTable{},
      keyBuffer{0, nullptr},
      dictionaryEngine(nullptr),
      langId(0xFFFF),
      profileGuid(GUID_NULL),
      clientId(0),
      languageBarButton(nullptr),
      conversionModeCompartment(nullptr),
      conversionModeSink(nullptr),
      openCloseSink(nullptr),
      candidateListWidth(13) {
  dispatcher = &SharedDispatcher();
  InitializeCriticalSection(&userDictionaryLock);

  size_t row = 0;
  for (const CompositionKey& key : kCompositionKeys) {
    keystrokeTable[row++] = {key.virtualKey, 0, FunctionInput};
    if (key.withShift) keystrokeTable[row++] = {key.virtualKey, TF_MOD_SHIFT, FunctionInput};
  }
}

CCompositionProcessorEngine::~CCompositionProcessorEngine() {
  // The dictionary threads write the dictionary engine and the user
  // dictionary: nothing they touch may go before they have finished.
  WaitForDictionaryThreads();

  delete dictionaryEngine.exchange(nullptr);
  retiredDictionaryEngines.clear();

  ReleaseLanguageBarAndCompartments();
  candidateLabels.Free();
  ReleaseHotkey(&candidateWindowHotkey);
  ReleaseHotkey(&openCloseHotkey);
  dispatcher = nullptr;
  compositionKeys.Free();

  {
    CriticalSectionLock lock(&userDictionaryLock);
    userDictionary.Clear();
  }
  DeleteCriticalSection(&userDictionaryLock);

  delete[] keyBuffer.text;
  keyBuffer = {0, nullptr};
  delete[] convertedText;
  convertedText = nullptr;
}

WCHAR* CCompositionProcessorEngine::ConvertKeystrokes(const CStringRange& keys) {
  const int layout = CurrentLayout;
  const int encoding = CurrentEncoding;
  std::u16string_view typed = keys.View();
  try {
    return NewString(dispatcher->Convert(typed, layout, encoding));
  } catch (...) {
  }
  try {
    std::u16string shown(typed);
    shown.erase(std::remove(shown.begin(), shown.end(), kShiftMarker), shown.end());
    return NewString(shown);
  } catch (...) {
  }
  WCHAR* empty = new (std::nothrow) WCHAR[1];
  if (empty != nullptr) empty[0] = 0;
  return empty;
}

void CCompositionProcessorEngine::BuildCandidateList(LutemIMEArray<CCandidateListItem>* list) {
  if (list == nullptr) return;
  CandidateListInputs inputs;
  inputs.keys = {keyBuffer.length, keyBuffer.text};
  inputs.convertedText = convertedText;
  inputs.layout = CurrentLayout;
  inputs.encoding = CurrentEncoding;
  inputs.candidateWindow = CandidateWindow != 0;
  inputs.dictionaryEngine = dictionaryEngine.load(std::memory_order_acquire);
  inputs.userDictionary = &userDictionary;
  inputs.userDictionaryLock = &userDictionaryLock;
  try {
    CandidateListBuilder(inputs).Build(list);
  } catch (...) {
    list->Clear();
  }
}

std::optional<std::u16string> CCompositionProcessorEngine::FindUserChoice(
    std::u16string_view keys) {
  CriticalSectionLock lock(&userDictionaryLock);
  return userDictionary.Find(keys);
}

void CCompositionProcessorEngine::StoreUserChoice(std::u16string_view keys,
                                                  std::u16string_view value) {
  CriticalSectionLock lock(&userDictionaryLock);
  userDictionary.Set(keys, value);
}

BOOL CCompositionProcessorEngine::FindCompositionKey(UINT code, KeystrokeState* state,
                                                     UINT filter) {
  if (state == nullptr) return FALSE;
  *state = {CategoryNone, FunctionNone};
  for (size_t i = 0; i < compositionKeys.Count(); ++i) {
    const _KEYSTROKE& key = *compositionKeys.GetAt(i);
    if (key.virtualKey != code || !CompositionKeyModifiersMatch(key.modifiers, CurrentModifiers))
      continue;
    if (filter == FunctionNone || key.function == filter) {
      *state = {CategoryComposing, key.function};
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CCompositionProcessorEngine::IsCandidateSelectKey(UINT code, KeystrokeState* state, UINT mode,
                                                       bool shiftDown) {
  if (shiftDown) return FALSE;
  const std::u16string_view keys(AsChar16(keyBuffer.text), keyBuffer.text ? keyBuffer.length : 0);
  const bool typingNumber =
      !keys.empty() && std::all_of(keys.begin(), keys.end(), [](char16_t unit) {
        return (unit >= u'0' && unit <= u'9') || unit == u'-' || unit == u'.' || unit == u'/';
      });
  if (typingNumber || CandidateWindow == 0 || state == nullptr) return FALSE;

  *state = {CategoryNone, FunctionNone};
  bool hit = false;
  for (size_t i = 0; i < candidateLabels.Count() && !hit; ++i) {
    const unsigned long label = *candidateLabels.GetAt(i);
    hit = code - 0x30 == label || (code >= VK_NUMPAD0 && code <= VK_NUMPAD9 && code - VK_NUMPAD0 == label);
  }
  if (!hit || mode == CandidateModeNone) return FALSE;
  *state = {CategoryCandidate, FunctionSelectByNumber};
  return TRUE;
}

bool CCompositionProcessorEngine::StartDictionaryThread() {
  try {
    dictionaryThreads.reserve(dictionaryThreads.size() + 1);  // so keeping the handle cannot fail
  } catch (...) {
    return false;
  }
  DllAddRef();  // given back by the thread as it ends
  HANDLE thread = CreateThread(nullptr, 0, DictionaryLoaderThread, this, 0, nullptr);
  if (thread == nullptr) {
    ReleaseModule();
    return false;
  }
  dictionaryThreads.push_back(thread);
  return true;
}

void CCompositionProcessorEngine::ReplaceDictionaryEngine(CBaseDictionaryEngine* next) {
  std::unique_ptr<CBaseDictionaryEngine> incoming(next);
  std::lock_guard<std::mutex> lock(retiredLock);
  // Room first: once the old engine is out of the slot it must not be lost.
  retiredDictionaryEngines.reserve(retiredDictionaryEngines.size() + 1);
  std::unique_ptr<CBaseDictionaryEngine> previous(dictionaryEngine.exchange(incoming.release()));
  if (previous) retiredDictionaryEngines.push_back(std::move(previous));
}

void CCompositionProcessorEngine::LoadUserDictionary() {
  {
    CriticalSectionLock lock(&userDictionaryLock);
    userDictionary.Clear();
  }
  const std::u16string reply = SendSettingsCommand(SettingsIpcConstants::commandLoadUserDict);
  if (IsErrorReply(reply)) return;
  for (const auto& [keys, value] : ParseUserDictionaryReply(reply)) StoreUserChoice(keys, value);
}

void CCompositionProcessorEngine::AddUserDictionaryEntry(const CStringRange& keys,
                                                         const CStringRange& candidate) {
  const std::u16string_view key = keys.View();
  const std::u16string_view value = candidate.View();
  StoreUserChoice(key, value);

  std::u16string request(SettingsIpcConstants::commandSaveUserDict);
  request += u' ';
  request += key;
  request += u':';
  request += value;
  if (request.size() >= 0x7FFFFFFF / sizeof(char16_t)) return;

  // Write-only: the server answers nothing to a learned pair.
  HANDLE pipe = OpenSettingsPipe(GENERIC_WRITE);
  if (pipe == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(pipe, request.c_str(), static_cast<DWORD>((request.size() + 1) * sizeof(char16_t)),
            &written, nullptr);
  CloseHandle(pipe);
}
