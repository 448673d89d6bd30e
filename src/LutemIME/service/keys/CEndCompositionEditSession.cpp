#include "service/keys/CEndCompositionEditSession.h"

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
  if (composition != nullptr && textService->composition == composition)
    textService->CloseComposition(ec, context);
  return S_OK;
}
