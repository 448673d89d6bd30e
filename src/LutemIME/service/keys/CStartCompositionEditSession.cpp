#include "service/keys/CStartCompositionEditSession.h"

#include "service/keys/RangeOperations.h"
#include "service/tsf/LutemIME.h"

STDMETHODIMP CStartCompositionEditSession::DoEditSession(TfEditCookie ec) {
  ComRef<ITfInsertAtSelection> insert =
      ComRef<ITfInsertAtSelection>::Query(context, IID_ITfInsertAtSelection);
  ComRef<ITfRange> range;
  if (!insert ||
      FAILED(insert->InsertTextAtSelection(ec, TF_IAS_QUERYONLY, nullptr, 0, range.Receive())) ||
      !range)
    return S_OK;
  ComRef<ITfContextComposition> compositions =
      ComRef<ITfContextComposition>::Query(context, IID_ITfContextComposition);
  ComRef<ITfComposition> started;
  if (!compositions ||
      FAILED(compositions->StartComposition(ec, range.get(),
                                            static_cast<ITfCompositionSink*>(textService),
                                            started.Receive())) ||
      !started)
    return S_OK;
  textService->AdoptComposition(started.get(), context);
  SelectRange(ec, context, range.get());
  return S_OK;
}
