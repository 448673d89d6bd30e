#include "service/keys/CKeyHandlerEditSession.h"

#include <memory>
#include <new>

#include "service/keys/CKeyStateCandidate.h"
#include "service/keys/CKeyStateComposing.h"
#include "service/keys/CKeyStateNull.h"
#include "service/tsf/LutemIME.h"

namespace {

std::unique_ptr<CKeyStateCategory> MakeKeyState(UINT category, LutemIME* textService) {
  switch (category) {
    case CategoryComposing:
      return std::unique_ptr<CKeyStateCategory>(new (std::nothrow) CKeyStateComposing(textService));
    case CategoryCandidate:
      return std::unique_ptr<CKeyStateCategory>(new (std::nothrow) CKeyStateCandidate(textService));
    default:
      return std::unique_ptr<CKeyStateCategory>(new (std::nothrow) CKeyStateNull(textService));
  }
}

// Keys that the composition does not take in, for which layout 8's Shift
// marker waiting at the end of the keys gives way. A session with no
// category only carries a held key; a click's choice is no key.
bool DropsShiftMarker(KeystrokeState state) {
  return state.category != CategoryNone && state.function != FunctionInput &&
         state.function != FunctionFinalizeCandidateThenInput &&
         state.function != FunctionFinalizeCandidate;
}

}  // namespace

CKeyHandlerEditSession::CKeyHandlerEditSession(LutemIME* service, ITfContext* sessionContext,
                                               UINT keyCode, WCHAR keyCharacter,
                                               KeystrokeState keyState)
    : CEditSessionBase(service, sessionContext),
      code(keyCode),
      character(keyCharacter),
      state(keyState) {}

CKeyHandlerEditSession::~CKeyHandlerEditSession() {
  StopWaiting();
  if (keyAfterwards) --textService->heldKeys;
}

void CKeyHandlerEditSession::SendAfterwards(const KeyToSend& key) {
  if (!keyAfterwards) ++textService->heldKeys;
  keyAfterwards = key;
}

void CKeyHandlerEditSession::MarkWaiting() {
  if (waiting) return;
  waiting = true;
  ++textService->waitingKeySessions;
  typing = state == KeystrokeState{CategoryComposing, FunctionInput} && !keyAfterwards;
  if (typing) ++textService->waitingTypingSessions;
  holdsCommitKey = state == KeystrokeState{CategoryCandidate, FunctionConvert} &&
                   (code == VK_RETURN || code == VK_SPACE);
  if (holdsCommitKey) ++textService->heldKeys;
}

void CKeyHandlerEditSession::StopWaiting() {
  if (!waiting) return;
  waiting = false;
  --textService->waitingKeySessions;
  if (typing) --textService->waitingTypingSessions;
  typing = false;
  if (holdsCommitKey) --textService->heldKeys;
  holdsCommitKey = false;
}

STDMETHODIMP CKeyHandlerEditSession::DoEditSession(TfEditCookie ec) {
  StopWaiting();
  HRESULT hr = S_OK;
  // A word open in another document is ended there, never written from
  // here. With no word, a key of a document the user has left since begins
  // none there. A key held back for a document that has lost the focus is
  // not sent: it would reach the focused one.
  if (textService->engine != nullptr && textService->composition != nullptr &&
      !textService->ComposingIn(context))
    textService->LeaveComposition(true);
  const bool elsewhere =
      textService->threadMgr != nullptr && !textService->IsFocusedContext(context);
  const bool left = elsewhere && textService->composition == nullptr;
  // Deactivated meanwhile, the engine and the list are gone: a held key
  // still goes on, to the application.
  if (textService->engine != nullptr && !left && DropsShiftMarker(state) &&
      textService->DropShiftMarkerBeforeKey(ec, context)) {
    // Only the marker was composed: the key is the application's, as it is
    // with nothing composed (a key passed on goes there by itself).
    if (typedKey && !elsewhere) textService->SendKeyToApplication(*typedKey);
  } else if (textService->engine != nullptr && !left) {
    try {
      std::unique_ptr<CKeyStateCategory> keyState = MakeKeyState(state.category, textService);
      if (keyState)
        hr = keyState->Dispatch(KeyHandlerArgs{ec, context, code, character, state.function});
    } catch (...) {
      // No memory inside a handler: what it wrote stands, nothing else runs.
      hr = E_OUTOFMEMORY;
    }
  }
  if (keyAfterwards) {
    const KeyToSend key = *keyAfterwards;
    keyAfterwards.reset();
    --textService->heldKeys;
    if (!elsewhere) textService->SendKeyToApplication(key);
  }
  return hr;
}
