// A context's ITfContextComposition, as its reference describes it.
// StartComposition wants a read/write cookie (TF_E_NOLOCK) and a range of
// this context (E_INVALIDARG); the composition covers that range, belongs
// to the client whose lock the cookie names, and keeps the sink (which may
// be null) until it ends. EnumCompositions, FindComposition and
// TakeOwnership are E_NOTIMPL.
//
// Failure switch: "ITfContextComposition::StartComposition" (E_FAIL, no
// composition).
#pragma once

#include "Platform.h"
#include "msctf/AggregatedInterface.h"

namespace platform {

class ContextText;

class ContextComposition final : public AggregatedInterface<ITfContextComposition> {
 public:
  ContextComposition(IUnknown& owner, ContextText& text);

  HRESULT STDMETHODCALLTYPE StartComposition(TfEditCookie ecWrite, ITfRange* pCompositionRange,
                                             ITfCompositionSink* pSink,
                                             ITfComposition** ppComposition) override;
  HRESULT STDMETHODCALLTYPE EnumCompositions(IEnumITfCompositionView** ppEnum) override;
  HRESULT STDMETHODCALLTYPE FindComposition(TfEditCookie ecRead, ITfRange* pTestRange,
                                            IEnumITfCompositionView** ppEnum) override;
  HRESULT STDMETHODCALLTYPE TakeOwnership(TfEditCookie ecWrite, ITfCompositionView* pComposition,
                                          ITfCompositionSink* pSink,
                                          ITfComposition** ppComposition) override;

 private:
  ContextText& text_;
};

}  // namespace platform
