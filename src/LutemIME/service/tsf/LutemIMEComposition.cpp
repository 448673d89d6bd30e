// The text service's compositions. None is opened yet: typing does not
// start one, so there is nothing to end or to be told of.
#include "service/tsf/LutemIME.h"

void LutemIME::RequestCloseComposition(ITfContext*) {}

STDMETHODIMP LutemIME::OnCompositionTerminated(TfEditCookie, ITfComposition*) { return S_OK; }
