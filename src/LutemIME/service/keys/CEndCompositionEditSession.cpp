#include "service/keys/CEndCompositionEditSession.h"

#include "service/keys/RangeOperations.h"
#include "service/tsf/LutemIME.h"

CEndCompositionEditSession::CEndCompositionEditSession(LutemIME* service,
                                                       ITfContext* sessionContext,
                                                       ITfComposition* ending)
    : CEditSessionBase(service, sessionContext), composition(ending) {
  if (composition != nullptr) composition->AddRef();
}

CEndCompositionEditSession::~CEndCompositionEditSession() {
  if (composition != nullptr) composition->Release();
}

STDMETHODIMP CEndCompositionEditSession::DoEditSession(TfEditCookie ec) {
  if (composition == nullptr) return S_OK;
  if (textService->composition == composition) {
    // Only from the composition's own context can its cookie end it.
    if (textService->compositionContext == context) textService->CloseComposition(ec, context);
    return S_OK;
  }
  // Let go of by the text service (the user had left its document): it
  // still ends here, its text as it stands, and without its underline.
  // One that ended meanwhile has no range and refuses to end again.
  if (ComRef<ITfRange> range = CompositionRange(composition))
    ClearRangeProperty(ec, context, GUID_PROP_ATTRIBUTE, range.get());
  composition->EndComposition(ec);
  return S_OK;
}
