// The engine's preserved keys: Ctrl+Space turns the keyboard on and off
// through the open/close compartment, Ctrl+Shift+C the suggestion bar.
#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/langbar/NewWideCopy.h"
#include "service/langbar/PreservedKeyGuids.h"
#include "service/settings/ProcessSettings.h"

namespace {

// The description TSF shows in its list of hot keys.
const WCHAR kOpenCloseDescription[] = TEXT("Toggle Keyboard (Ctrl+Space)");
const WCHAR kCandidateWindowDescription[] = TEXT("Toggle Candidate Window (Ctrl+Shift+C)");

void SetUpRecord(PreservedKeyRecord& record, REFGUID guid, UINT key, UINT modifiers,
                 const WCHAR* description) {
  record.guid = guid;
  try {
    TF_PRESERVEDKEY* added = record.keys.Append();
    added->uVKey = key;
    added->uModifiers = modifiers;
  } catch (...) {
    // No memory for the key: it is simply not preserved.
  }
  delete[] record.description;
  record.description = NewWideCopy(description);
}

// Reads a thread-manager compartment as TSF holds it; anything but a VT_I4
// value (a failed read included) is 0.
DWORD ReadCompartment(ITfThreadMgr* threadMgr, REFGUID guid, TfClientId clientId) {
  CCompartmentValue value(guid, threadMgr, clientId);
  DWORD read = 0;
  value.GetDword(&read);
  return read;
}

void Toggle(ITfThreadMgr* threadMgr, REFGUID guid, TfClientId clientId) {
  CCompartmentValue value(guid, threadMgr, clientId);
  value.SetDword(ReadCompartment(threadMgr, guid, clientId) == 0 ? 1 : 0);
}

}  // namespace

void CCompositionProcessorEngine::RegisterHotkeys(ITfThreadMgr* threadMgr, TfClientId clientId) {
  SetUpRecord(openCloseHotkey, GUID_PreservedKey_OpenClose, VK_SPACE, TF_MOD_CONTROL,
              kOpenCloseDescription);
  SetUpRecord(candidateWindowHotkey, GUID_PreservedKey_CandidateWindow, 'C',
              TF_MOD_CONTROL | TF_MOD_SHIFT, kCandidateWindowDescription);
  PreserveHotkey(&openCloseHotkey, threadMgr, clientId);
  PreserveHotkey(&candidateWindowHotkey, threadMgr, clientId);
}

BOOL CCompositionProcessorEngine::PreserveHotkey(PreservedKeyRecord* record,
                                                 ITfThreadMgr* threadMgr, TfClientId clientId) {
  if (record == nullptr || threadMgr == nullptr || IsEqualGUID(record->guid, GUID_NULL))
    return FALSE;
  ITfKeystrokeMgr* keystrokes = nullptr;
  if (threadMgr->QueryInterface(IID_ITfKeystrokeMgr, reinterpret_cast<void**>(&keystrokes)) != S_OK ||
      keystrokes == nullptr)
    return FALSE;
  BOOL result = TRUE;
  for (size_t i = 0; i < record->keys.Count(); ++i) {
    if (record->description == nullptr || record->description[0] == 0) {
      result = FALSE;
      break;
    }
    ULONG length = 0;
    while (record->description[length] != 0) ++length;
    // TSF refuses a key another text service holds; the key then simply
    // never arrives, and there is no one to tell.
    keystrokes->PreserveKey(clientId, record->guid, record->keys.GetAt(i), record->description,
                            length);
  }
  keystrokes->Release();
  return result;
}

void CCompositionProcessorEngine::HandlePreservedKey(REFGUID guid, BOOL* pfEaten,
                                                     ITfThreadMgr* threadMgr, TfClientId clientId) {
  if (pfEaten != nullptr) *pfEaten = TRUE;
  if (threadMgr == nullptr) return;
  if (IsEqualGUID(guid, openCloseHotkey.guid) && !IsEqualGUID(guid, GUID_NULL)) {
    Toggle(threadMgr, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, clientId);
  } else if (IsEqualGUID(guid, candidateWindowHotkey.guid) && !IsEqualGUID(guid, GUID_NULL)) {
    Toggle(threadMgr, GUID_LBI_INPUTMODE, clientId);
    // In memory only: the server's value comes back with the next refresh.
    CandidateWindow = CandidateWindow == 0 ? 1 : 0;
  }
}

void CCompositionProcessorEngine::ReleaseHotkey(PreservedKeyRecord* record) {
  if (record == nullptr) return;
  ITfThreadMgr* threadMgr = nullptr;
  if (!IsEqualGUID(record->guid, GUID_NULL) &&
      SUCCEEDED(CoCreateInstance(CLSID_TF_ThreadMgr, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ITfThreadMgr, reinterpret_cast<void**>(&threadMgr))) &&
      threadMgr != nullptr) {
    ITfKeystrokeMgr* keystrokes = nullptr;
    if (SUCCEEDED(threadMgr->QueryInterface(IID_ITfKeystrokeMgr,
                                            reinterpret_cast<void**>(&keystrokes))) &&
        keystrokes != nullptr) {
      for (size_t i = 0; i < record->keys.Count(); ++i)
        keystrokes->UnpreserveKey(record->guid, record->keys.GetAt(i));
      keystrokes->Release();
    }
  }
  if (threadMgr != nullptr) threadMgr->Release();
  delete[] record->description;
  record->description = nullptr;
  record->keys.Free();
  record->guid = GUID_NULL;
}
