// The composition's start and end: kept, cancelled, committed, or closed
// later from a session of its own.
#include <new>

#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/CEndCompositionEditSession.h"
#include "service/keys/RangeCovers.h"
#include "service/keys/RangeOperations.h"
#include "service/tsf/LutemIME.h"

void LutemIME::AdoptComposition(ITfComposition* started, ITfContext* context) {
  if (started != nullptr) started->AddRef();
  if (composition != nullptr) composition->Release();
  composition = started;
  if (context != nullptr) context->AddRef();
  if (compositionContext != nullptr) compositionContext->Release();
  compositionContext = context;
  candidateListRefused = false;  // a new word tries the list again
}

void LutemIME::ForgetComposedKeys() {
  if (engine != nullptr) {
    delete[] engine->keyBuffer.text;
    engine->keyBuffer = {0, nullptr};
  }
  if (presenter != nullptr) presenter->CloseCandidateList();
  candidateMode = CandidateModeNone;
}

void LutemIME::CloseComposition(TfEditCookie ec, ITfContext* context) {
  if (composition == nullptr) return;
  if (ComRef<ITfRange> range = CompositionRange(composition))
    ClearRangeProperty(ec, context, GUID_PROP_ATTRIBUTE, range.get());
  composition->EndComposition(ec);
  // Ended or not, the keys belonged to that composition: left in place,
  // the next key would write the old word again at the caret.
  ForgetComposedKeys();
  AdoptComposition(nullptr, nullptr);
}

void LutemIME::RequestCloseComposition(ITfContext* context) {
  if (context == nullptr) return;
  CEndCompositionEditSession* session =
      new (std::nothrow) CEndCompositionEditSession(this, context, composition);
  if (session == nullptr) return;
  HRESULT sessionResult = S_OK;
  context->RequestEditSession(clientId, session, TF_ES_ASYNCDONTCARE | TF_ES_READWRITE,
                              &sessionResult);
  session->Release();
}

HRESULT LutemIME::CancelComposition(TfEditCookie ec, ITfContext* context) {
  if (ComRef<ITfRange> range = CompositionRange(composition)) {
    static const WCHAR kNothing[1] = {0};
    range->SetText(ec, 0, kNothing, 0);
  }
  ForgetComposedKeys();
  CloseComposition(ec, context);
  return S_OK;
}

HRESULT LutemIME::CommitComposition(TfEditCookie ec, ITfContext* context) {
  if (composition != nullptr) {
    ComRef<ITfRange> selection = DefaultSelection(ec, context);
    if (!selection) return S_FALSE;
    ComRef<ITfRange> composed = CompositionRange(composition);
    // The caret in the composition: the composed text is what the user
    // meant, and stays.
    if (composed && RangeCovers(ec, selection.get(), composed.get())) CloseComposition(ec, context);
  }
  return CancelComposition(ec, context);
}
