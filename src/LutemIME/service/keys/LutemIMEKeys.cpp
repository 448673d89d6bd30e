// Classification of a key and the sessions its handler runs in.
#include <new>

#include "service/keys/CKeyHandlerEditSession.h"
#include "service/keys/ClassifyKeyStroke.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/settings/ProcessSettings.h"
#include "service/tsf/ComRef.h"
#include "service/tsf/LutemIME.h"

namespace {

// ToUnicode leaves the keyboard layout's dead-key state alone with this flag
// (Windows 10 1607 and later); without it, each of the key sink's calls
// would use up a dead key the user typed for the application.
constexpr UINT kToUnicodeKeepsKeyboardState = 0x4;

WCHAR KeyCharacter(UINT vk) {
  BYTE keys[256] = {};
  if (!GetKeyboardState(keys)) return 0;
  WCHAR character[2] = {};
  const int written = ToUnicode(vk, MapVirtualKeyW(vk, MAPVK_VK_TO_VSC), keys, character, 1,
                                kToUnicodeKeepsKeyboardState);
  return written == 1 ? character[0] : 0;
}

}  // namespace

BOOL LutemIME::IsTypingBlocked() {
  if (threadMgr == nullptr) return TRUE;
  ComRef<ITfDocumentMgr> document;
  if (threadMgr->GetFocus(document.Receive()) != S_OK || !document) return TRUE;
  ComRef<ITfContext> context;
  if (document->GetTop(context.Receive()) != S_OK || !context) return TRUE;
  // TSF keeps both on the context, not on the thread manager: an application
  // disables typing into one document at a time.
  DWORD disabled = 0;
  DWORD empty = 0;
  CCompartmentValue(GUID_COMPARTMENT_KEYBOARD_DISABLED, context.get(), clientId).GetDword(&disabled);
  CCompartmentValue(GUID_COMPARTMENT_EMPTYCONTEXT, context.get(), clientId).GetDword(&empty);
  return disabled != 0 || empty != 0 ? TRUE : FALSE;
}

BOOL LutemIME::ClassifyKey(ITfContext* context, UINT vk, UINT* code, WCHAR* character,
                           KeystrokeState* state) {
  return ClassifyKey(context, vk, code, character, state, nullptr);
}

BOOL LutemIME::ClassifyKey(ITfContext* context, UINT vk, UINT* code, WCHAR* character,
                           KeystrokeState* state, bool* waitsForKeys) {
  KeyStrokeFacts facts;
  facts.layout = CurrentLayout;
  facts.candidateWindow = CandidateWindow;
  DWORD open = 0;
  facts.keyboardOpen =
      threadMgr != nullptr &&
      CCompartmentValue(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, threadMgr, clientId).GetDword(&open) ==
          S_OK &&
      open != 0;
  facts.typingBlocked = IsTypingBlocked() != FALSE;
  facts.vk = vk;
  // Only an injected key's character counts while the keyboard is closed,
  // and only on key-down does any other key's.
  const bool packet = (vk & 0xFFFF) == VK_PACKET;
  if (!facts.typingBlocked && (packet || (facts.keyboardOpen && state != nullptr)))
    facts.character = KeyCharacter(vk);
  // A word still open in a document the user left (its end waits for its
  // lock) is not this document's: here nothing is being composed.
  const bool composingHere = composition == nullptr || ComposingIn(context);
  facts.candidateMode = composingHere ? candidateMode : CandidateModeNone;
  facts.composing = composition != nullptr && composingHere;
  facts.engine = engine;
  facts.shiftDown = GetKeyState(VK_SHIFT) < 0;
  facts.chordModifierDown = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
  facts.wantsState = state != nullptr;
  const KeyClassification result = ClassifyKeyStroke(facts);
  if (waitsForKeys != nullptr)
    *waitsForKeys = waitingKeySessions != 0 &&
                    DependsOnWaitingKeys(facts, result, waitingTypingSessions == waitingKeySessions);
  if (code != nullptr) *code = result.code;
  if (character != nullptr) *character = result.character;
  if (state != nullptr) *state = result.state;
  return result.eaten;
}

HRESULT LutemIME::RequestKeyHandler(ITfContext* context, UINT code, WCHAR character,
                                    KeystrokeState state, const KeyToSend* typed) {
  if (context == nullptr) return E_INVALIDARG;
  CKeyHandlerEditSession* session =
      new (std::nothrow) CKeyHandlerEditSession(this, context, code, character, state);
  if (session == nullptr) return E_FAIL;
  if (typed != nullptr) session->KeepTypedKey(*typed);
  HRESULT sessionResult = S_OK;
  const HRESULT hr = context->RequestEditSession(clientId, session,
                                                 TF_ES_ASYNCDONTCARE | TF_ES_READWRITE, &sessionResult);
  if (SUCCEEDED(hr) && sessionResult == TF_S_ASYNC) session->MarkWaiting();
  session->Release();
  return hr;
}

void LutemIME::SendKeyToApplication(const KeyToSend& key) { sentKeys.Send(key); }
