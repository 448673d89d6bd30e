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
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfComposition);
  return Answer(known ? static_cast<ITfComposition*>(this) : nullptr, object);
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

HRESULT Composition::MoveAnchor(TfEditCookie ec, TfAnchor which, ITfRange* to) {
  HRESULT hr = CheckWrite(ec);
  if (hr != S_OK) return hr;
  const TextSpan* span = TextRange::SpanIn(to, span_.document());
  if (span == nullptr) return E_INVALIDARG;
  LONG position = span->anchor(which);
  // A composition never turns inside out.
  if (which == TF_ANCHOR_START ? position > span_.end() : position < span_.start()) {
    return E_INVALIDARG;
  }
  span_.SetAnchor(which, position);
  return S_OK;
}

HRESULT Composition::ShiftStart(TfEditCookie ecWrite, ITfRange* pNewStart) {
  return MoveAnchor(ecWrite, TF_ANCHOR_START, pNewStart);
}

HRESULT Composition::ShiftEnd(TfEditCookie ecWrite, ITfRange* pNewEnd) {
  return MoveAnchor(ecWrite, TF_ANCHOR_END, pNewEnd);
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
