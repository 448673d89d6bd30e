#include "msctf/ContextComposition.h"

#include "common/FailureSwitch.h"
#include "msctf/ContextText.h"
#include "msctf/TextDocument.h"
#include "msctf/TextRange.h"

namespace platform {

ContextComposition::ContextComposition(IUnknown& owner, ContextText& text)
    : AggregatedInterface(owner), text_(text) {}

HRESULT ContextComposition::StartComposition(TfEditCookie ecWrite, ITfRange* pCompositionRange,
                                             ITfCompositionSink* pSink,
                                             ITfComposition** ppComposition) {
  if (ppComposition == nullptr) return E_INVALIDARG;
  *ppComposition = nullptr;
  if (ShouldFail("ITfContextComposition::StartComposition")) return E_FAIL;
  TextDocument& document = text_.document();
  const EditLocks::Lock* lock = document.locks().Find(ecWrite);
  if (lock == nullptr || !lock->write) return TF_E_NOLOCK;
  const TextSpan* span = TextRange::SpanIn(pCompositionRange, document);
  if (span == nullptr) return E_INVALIDARG;
  *ppComposition = text_.StartComposition(*span, pSink, lock->client);
  return S_OK;
}

HRESULT ContextComposition::EnumCompositions(IEnumITfCompositionView** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT ContextComposition::FindComposition(TfEditCookie ecRead, ITfRange* pTestRange,
                                            IEnumITfCompositionView** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT ContextComposition::TakeOwnership(TfEditCookie ecWrite, ITfCompositionView* pComposition,
                                          ITfCompositionSink* pSink,
                                          ITfComposition** ppComposition) {
  if (ppComposition) *ppComposition = nullptr;
  return E_NOTIMPL;
}

}  // namespace platform
