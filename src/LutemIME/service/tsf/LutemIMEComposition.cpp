// The composition sink: the application ended the composition itself.
#include "service/keys/RangeOperations.h"
#include "service/tsf/LutemIME.h"

namespace {

// COM identity: the same object whichever of its interfaces is handed over.
bool SameObject(IUnknown* a, IUnknown* b) {
  if (a == nullptr || b == nullptr) return a == b;
  ComRef<IUnknown> left = ComRef<IUnknown>::Query(a, IID_IUnknown);
  ComRef<IUnknown> right = ComRef<IUnknown>::Query(b, IID_IUnknown);
  return left && left.get() == right.get();
}

}  // namespace

STDMETHODIMP LutemIME::OnCompositionTerminated(TfEditCookie ecWrite, ITfComposition* pComposition) {
  // A composition the text service let go of earlier (its document lost
  // the focus) is not the one the user is typing: that one stays.
  if (pComposition != nullptr && !SameObject(pComposition, composition)) return S_OK;
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
