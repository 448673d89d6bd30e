// The composition sink: the application ended the composition itself.
#include "service/keys/RangeOperations.h"
#include "service/tsf/LutemIME.h"

STDMETHODIMP LutemIME::OnCompositionTerminated(TfEditCookie ecWrite, ITfComposition*) {
  // The text the user composed stays in the document, as it stands; only
  // the composing underline goes. The keys and the list go with the
  // composition.
  if (composition != nullptr) {
    ComRef<ITfContext> context = ComRef<ITfContext>::Share(compositionContext);
    if (ComRef<ITfRange> range = CompositionRange(composition))
      ClearRangeProperty(ecWrite, context.get(), GUID_PROP_ATTRIBUTE, range.get());
    AdoptComposition(nullptr, nullptr);
  }
  ForgetComposedKeys();
  return S_OK;
}
