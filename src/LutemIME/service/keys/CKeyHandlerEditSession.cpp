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
}

void CKeyHandlerEditSession::StopWaiting() {
  if (!waiting) return;
  waiting = false;
  --textService->waitingKeySessions;
}

STDMETHODIMP CKeyHandlerEditSession::DoEditSession(TfEditCookie ec) {
  StopWaiting();
  HRESULT hr = S_OK;
  // Deactivated meanwhile, the engine and the list are gone: a held key
  // still goes on, to the application.
  if (textService->engine != nullptr && DropsShiftMarker(state) &&
      textService->DropShiftMarkerBeforeKey(ec, context)) {
    // Only the marker was composed: the key is the application's, as it is
    // with nothing composed (a key passed on goes there by itself).
    if (typedKey) textService->SendKeyToApplication(*typedKey);
  } else if (textService->engine != nullptr) {
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
    textService->SendKeyToApplication(key);
  }
  return hr;
}
