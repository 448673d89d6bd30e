#include "msctf/ContextText.h"

#include "common/FailureSwitch.h"
#include "msctf/Composition.h"
#include "msctf/Context.h"
#include "msctf/ContextView.h"
#include "msctf/EditSessionQueue.h"
#include "msctf/GuidNames.h"
#include "msctf/TextProperty.h"
#include "msctf/TextRange.h"

namespace platform {
namespace {

template <class T>
HRESULT NotImplemented(T** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

ContextText::ContextText(Context& context, IUnknown* textStore)
    : context_(context),
      document_(std::make_shared<TextDocument>()),
      sessions_(context, *document_, context.sinks()),
      insertAtSelection_(static_cast<ITfContext&>(context), *this),
      contextComposition_(static_cast<ITfContext&>(context), *this),
      view_(ComPtr<ContextView>::Adopt(new ContextView(document_))) {
  document_->SetOwner(&context);
}

ContextText::~ContextText() {
  EndCompositionsQuietly();
  properties_.clear();
  view_->Destroy();
  document_->SetOwner(nullptr);
}

HRESULT ContextText::RequestEditSession(TfClientId tid, ITfEditSession* pes, DWORD dwFlags,
                                        HRESULT* phrSession) {
  return sessions_.Request(tid, pes, dwFlags, phrSession);
}

HRESULT ContextText::InWriteSession(TfClientId tid, BOOL* pfWriteSession) {
  if (pfWriteSession == nullptr) return E_INVALIDARG;
  *pfWriteSession = document_->locks().WriteHeldBy(tid) ? TRUE : FALSE;
  return S_OK;
}

HRESULT ContextText::GetSelection(TfEditCookie ec, ULONG ulIndex, ULONG ulCount,
                                  TF_SELECTION* pSelection, ULONG* pcFetched) {
  if (pcFetched == nullptr || pSelection == nullptr) return E_INVALIDARG;
  *pcFetched = 0;
  if (ShouldFail("ITfContext::GetSelection")) return E_FAIL;
  if (!document_->locks().CanRead(ec)) return TF_E_NOLOCK;
  if ((ulIndex != TF_DEFAULT_SELECTION && ulIndex != 0) || ulCount == 0) return S_OK;
  const TextSelection& selection = document_->selection();
  TextRange::HandOutNew(TextSpan(document_, selection.start, selection.end), &pSelection[0].range);
  pSelection[0].style.ase = selection.activeEnd;
  pSelection[0].style.fInterimChar = selection.interim;
  *pcFetched = 1;
  return S_OK;
}

HRESULT ContextText::SetSelection(TfEditCookie ec, ULONG ulCount, const TF_SELECTION* pSelection) {
  if (ShouldFail("ITfContext::SetSelection")) return E_FAIL;
  if (!document_->locks().CanWrite(ec)) return TF_E_NOLOCK;
  if (ulCount != 1 || pSelection == nullptr) return E_INVALIDARG;
  const TextSpan* span = TextRange::SpanIn(pSelection[0].range, *document_);
  if (span == nullptr) return E_INVALIDARG;
  document_->Select(span->start(), span->end(), pSelection[0].style.ase,
                    pSelection[0].style.fInterimChar);
  return S_OK;
}

HRESULT ContextText::GetStart(TfEditCookie ec, ITfRange** ppStart) {
  if (ppStart == nullptr) return E_INVALIDARG;
  *ppStart = nullptr;
  if (ShouldFail("ITfContext::GetStart")) return E_FAIL;
  if (!document_->locks().CanRead(ec)) return TF_E_NOLOCK;
  TextRange::HandOutNew(TextSpan(document_, 0, 0), ppStart);
  return S_OK;
}

HRESULT ContextText::GetEnd(TfEditCookie ec, ITfRange** ppEnd) {
  if (ppEnd == nullptr) return E_INVALIDARG;
  *ppEnd = nullptr;
  if (ShouldFail("ITfContext::GetEnd")) return E_FAIL;
  if (!document_->locks().CanRead(ec)) return TF_E_NOLOCK;
  TextRange::HandOutNew(TextSpan(document_, document_->length(), document_->length()), ppEnd);
  return S_OK;
}

HRESULT ContextText::GetActiveView(ITfContextView** ppView) {
  if (ppView == nullptr) return E_INVALIDARG;
  *ppView = nullptr;
  if (ShouldFail("ITfContext::GetActiveView")) return E_FAIL;
  HandOut(static_cast<ITfContextView*>(view_.get()), ppView);
  return S_OK;
}

HRESULT ContextText::EnumViews(IEnumTfContextViews** ppEnum) { return NotImplemented(ppEnum); }

HRESULT ContextText::GetStatus(TF_STATUS* pdcs) {
  if (pdcs == nullptr) return E_INVALIDARG;
  pdcs->dwDynamicFlags = document_->readOnly() ? TS_SD_READONLY : 0;
  pdcs->dwStaticFlags = 0;
  return S_OK;
}

HRESULT ContextText::GetProperty(REFGUID guidProp, ITfProperty** ppProp) {
  if (ppProp == nullptr) return E_INVALIDARG;
  *ppProp = nullptr;
  if (ShouldFail("ITfContext::GetProperty", GuidName(guidProp))) return E_FAIL;
  for (const ComPtr<TextProperty>& property : properties_) {
    if (IsEqualGUID(property->guid(), guidProp)) {
      HandOut(static_cast<ITfProperty*>(property.get()), ppProp);
      return S_OK;
    }
  }
  properties_.push_back(ComPtr<TextProperty>::Adopt(new TextProperty(document_, guidProp)));
  HandOut(static_cast<ITfProperty*>(properties_.back().get()), ppProp);
  return S_OK;
}

HRESULT ContextText::GetAppProperty(REFGUID guidProp, ITfReadOnlyProperty** ppProp) {
  return NotImplemented(ppProp);
}

HRESULT ContextText::TrackProperties(const GUID** prgProp, ULONG cProp, const GUID** prgAppProp,
                                     ULONG cAppProp, ITfReadOnlyProperty** ppProperty) {
  return NotImplemented(ppProperty);
}

HRESULT ContextText::EnumProperties(IEnumTfProperties** ppEnum) { return NotImplemented(ppEnum); }

HRESULT ContextText::CreateRangeBackup(TfEditCookie ec, ITfRange* pRange,
                                       ITfRangeBackup** ppBackup) {
  return NotImplemented(ppBackup);
}

void* ContextText::FindInterface(REFIID riid) {
  if (IsEqualGUID(riid, IID_ITfInsertAtSelection)) {
    return static_cast<ITfInsertAtSelection*>(&insertAtSelection_);
  }
  if (IsEqualGUID(riid, IID_ITfContextComposition)) {
    return static_cast<ITfContextComposition*>(&contextComposition_);
  }
  return nullptr;
}

void ContextText::ApplicationTyped(WCHAR character) {
  if (document_->readOnly()) return;
  TextSelection before = document_->selection();
  LONG start = before.start;
  LONG end = before.end;
  if (character == 0x08) {
    const std::u16string& text = document_->text();
    if (start == end && start > 0) {
      start -= 1;
      if (start > 0 && IsLowSurrogate(text[static_cast<size_t>(start)]) &&
          IsHighSurrogate(text[static_cast<size_t>(start) - 1])) {
        start -= 1;
      }
    }
    if (start == end) return;
    document_->Replace(start, end, std::u16string_view());
  } else if (character == u'\r' || character == u'\t' || (character >= 0x20 && character != 0x7F)) {
    document_->Replace(start, end, std::u16string_view(AsChar16(&character), 1));
    start += 1;
  } else {
    return;
  }
  document_->Select(start, start, TF_AE_NONE, FALSE);
  sessions_.ApplicationChanged(before);
}

ITfComposition* ContextText::StartComposition(const TextSpan& span, ITfCompositionSink* sink,
                                              TfClientId client) {
  ComPtr<Composition> composition = ComPtr<Composition>::Adopt(new Composition(*this, span, sink, client));
  compositions_.push_back(composition);
  return composition.Detach();
}

void ContextText::ForgetComposition(Composition* composition) {
  for (auto it = compositions_.begin(); it != compositions_.end(); ++it) {
    if (it->get() == composition) {
      ComPtr<Composition> released = std::move(*it);
      compositions_.erase(it);
      return;
    }
  }
}

std::vector<ComPtr<Composition>> ContextText::compositions() const { return compositions_; }

void ContextText::Load(std::u16string_view text, LONG caret) {
  TextSelection before = document_->selection();
  document_->Replace(0, document_->length(), text);
  document_->Select(caret, caret, TF_AE_NONE, FALSE);
  sessions_.ApplicationChanged(before);
}

void ContextText::Select(LONG start, LONG end, TfActiveSelEnd activeEnd) {
  TextSelection before = document_->selection();
  document_->Select(start, end, activeEnd, FALSE);
  if (document_->selection() != before) sessions_.ApplicationChanged(before);
}

HRESULT ContextText::TerminateCompositions() {
  std::vector<ComPtr<Composition>> open = compositions_;
  for (const ComPtr<Composition>& composition : open) composition->Terminate();
  return open.empty() ? S_FALSE : S_OK;
}

ContextView& ContextText::view() { return *view_.get(); }

void ContextText::SetViewLayout(const host::ViewLayout& layout) {
  bool remade = view_->destroyed();
  view_->SetLayout(layout);
  sessions_.NotifyLayout(remade ? TF_LC_CREATE : TF_LC_CHANGE, view_.get());
}

void ContextText::DestroyView() {
  if (view_->destroyed()) return;
  view_->Destroy();
  sessions_.NotifyLayout(TF_LC_DESTROY, view_.get());
}

void ContextText::Popped() {
  EditSessionQueue::ForThread().Drop(&context_);
  EndCompositionsQuietly();
}

void ContextText::EndCompositionsQuietly() {
  std::vector<ComPtr<Composition>> open = compositions_;
  for (const ComPtr<Composition>& composition : open) composition->End();
}

}  // namespace platform
