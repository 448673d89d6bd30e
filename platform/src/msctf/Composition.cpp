#include "msctf/Composition.h"

#include "common/FailureSwitch.h"
#include "msctf/ContextText.h"
#include "msctf/EditSessions.h"
#include "msctf/TextDocument.h"
#include "msctf/TextRange.h"

namespace platform {

Composition::Composition(ContextText& owner, const TextSpan& span, ITfCompositionSink* sink,
                         TfClientId client)
    : owner_(&owner),
      span_(span.sharedDocument(), span.start(), span.end()),
      sink_(sink),
      client_(client) {
  span_.document().AddComposing(&span_);
}

Composition::~Composition() { span_.document().RemoveComposing(&span_); }

Composition* Composition::From(ITfComposition* composition) {
  return dynamic_cast<Composition*>(composition);
}

HRESULT Composition::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_ITfComposition)) {
    return E_NOINTERFACE;
  }
  *object = static_cast<ITfComposition*>(this);
  AddRef();
  return S_OK;
}

ULONG Composition::AddRef() { return ++refs_; }

ULONG Composition::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT Composition::GetRange(ITfRange** ppRange) {
  if (ppRange == nullptr) return E_INVALIDARG;
  *ppRange = nullptr;
  if (ShouldFail("ITfComposition::GetRange")) return E_FAIL;
  if (!open()) return E_UNEXPECTED;
  TextRange::HandOutNew(TextSpan(span_.sharedDocument(), span_.start(), span_.end()), ppRange);
  return S_OK;
}

HRESULT Composition::CheckWrite(TfEditCookie ec) const {
  if (!open()) return E_UNEXPECTED;
  return span_.document().locks().CanWrite(ec) ? S_OK : TF_E_NOLOCK;
}

HRESULT Composition::ShiftStart(TfEditCookie ecWrite, ITfRange* pNewStart) {
  HRESULT hr = CheckWrite(ecWrite);
  if (hr != S_OK) return hr;
  const TextSpan* to = TextRange::SpanIn(pNewStart, span_.document());
  if (to == nullptr || to->start() > span_.end()) return E_INVALIDARG;
  span_.SetStart(to->start());
  return S_OK;
}

HRESULT Composition::ShiftEnd(TfEditCookie ecWrite, ITfRange* pNewEnd) {
  HRESULT hr = CheckWrite(ecWrite);
  if (hr != S_OK) return hr;
  const TextSpan* to = TextRange::SpanIn(pNewEnd, span_.document());
  if (to == nullptr || to->end() < span_.start()) return E_INVALIDARG;
  span_.SetEnd(to->end());
  return S_OK;
}

HRESULT Composition::EndComposition(TfEditCookie ecWrite) {
  if (ShouldFail("ITfComposition::EndComposition")) return E_FAIL;
  HRESULT hr = CheckWrite(ecWrite);
  if (hr != S_OK) return hr;
  End();
  return S_OK;
}

void Composition::Terminate() {
  if (!open()) return;
  ComPtr<ITfComposition> keep(this);
  ComPtr<ITfCompositionSink> sink = sink_;
  if (!sink) {
    End();
    return;
  }
  // Ended inside the lock, so the edit sinks see it gone.
  owner_->sessions().RunLocked(true, client_, EditLocks::Kind::kTermination,
                               [&](TfEditCookie ec) {
                                 sink->OnCompositionTerminated(ec, this);
                                 End();
                                 return S_OK;
                               });
}

void Composition::End() {
  if (!open()) return;
  ComPtr<ITfComposition> keep(this);
  span_.document().RemoveComposing(&span_);
  ContextText* owner = owner_;
  owner_ = nullptr;
  sink_.Reset();
  owner->ForgetComposition(this);
}

}  // namespace platform
