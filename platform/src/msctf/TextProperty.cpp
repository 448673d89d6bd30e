#include "msctf/TextProperty.h"

#include "common/FailureSwitch.h"
#include "msctf/ComPtr.h"
#include "msctf/RangeEnum.h"
#include "msctf/TextDocument.h"
#include "msctf/TextRange.h"

namespace platform {

TextProperty::TextProperty(std::shared_ptr<TextDocument> document, REFGUID guid)
    : document_(std::move(document)), guid_(guid) {}

HRESULT TextProperty::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfReadOnlyProperty) || IsEqualGUID(riid, IID_ITfProperty);
  return Answer(known ? static_cast<ITfProperty*>(this) : nullptr, object);
}

HRESULT TextProperty::GetType(GUID* pguid) {
  if (pguid == nullptr) return E_INVALIDARG;
  *pguid = guid_;
  return S_OK;
}

HRESULT TextProperty::EnumRanges(TfEditCookie ec, IEnumTfRanges** ppEnum,
                                 ITfRange* pTargetRange) {
  if (ppEnum == nullptr) return E_INVALIDARG;
  *ppEnum = nullptr;
  if (ShouldFail("ITfReadOnlyProperty::EnumRanges")) return E_FAIL;
  if (!document_->locks().CanRead(ec)) return TF_E_NOLOCK;
  LONG start = 0;
  LONG end = document_->length();
  if (pTargetRange) {
    const TextSpan* target = TextRange::SpanIn(pTargetRange, *document_);
    if (target == nullptr) return E_INVALIDARG;
    start = target->start();
    end = target->end();
  }
  std::vector<TextSpan> spans;
  for (const PropertyRun& run : document_->Runs(guid_, start, end)) {
    spans.emplace_back(document_, run.start, run.end);
  }
  *ppEnum = new RangeEnum(std::move(spans));
  return S_OK;
}

HRESULT TextProperty::GetValue(TfEditCookie ec, ITfRange* pRange, VARIANT* pvarValue) {
  if (pvarValue == nullptr) return E_INVALIDARG;
  pvarValue->vt = VT_EMPTY;
  if (pRange == nullptr) return E_INVALIDARG;
  if (ShouldFail("ITfReadOnlyProperty::GetValue")) return E_FAIL;
  if (!document_->locks().CanRead(ec)) return TF_E_NOLOCK;
  const TextSpan* span = TextRange::SpanIn(pRange, *document_);
  if (span == nullptr) return E_INVALIDARG;
  std::vector<PropertyRun> runs = document_->Runs(guid_, span->start(), span->end());
  if (runs.size() == 1 && runs[0].value.type == VT_I4) {
    pvarValue->vt = VT_I4;
    pvarValue->lVal = runs[0].value.value;
  }
  return S_OK;
}

HRESULT TextProperty::GetContext(ITfContext** ppContext) {
  if (ppContext == nullptr) return E_INVALIDARG;
  HandOut(document_->owner(), ppContext);
  return *ppContext ? S_OK : E_FAIL;
}

HRESULT TextProperty::FindRange(TfEditCookie ec, ITfRange* pRange, ITfRange** ppRange,
                                TfAnchor aPos) {
  if (ppRange) *ppRange = nullptr;
  return E_NOTIMPL;
}

HRESULT TextProperty::SetValueStore(TfEditCookie ec, ITfRange* pRange,
                                    ITfPropertyStore* pPropStore) {
  return E_NOTIMPL;
}

HRESULT TextProperty::CheckWrite(TfEditCookie ec, ITfRange* range, const char* name, LONG* start,
                                 LONG* end) {
  if (ShouldFail(name)) return E_FAIL;
  if (!document_->locks().CanWrite(ec)) return TF_E_NOLOCK;
  if (IsEqualGUID(guid_, GUID_PROP_COMPOSING)) return TF_E_READONLY;
  *start = 0;
  *end = document_->length();
  if (range == nullptr) return S_OK;
  const TextSpan* span = TextRange::SpanIn(range, *document_);
  if (span == nullptr) return E_INVALIDARG;
  *start = span->start();
  *end = span->end();
  return S_OK;
}

HRESULT TextProperty::SetValue(TfEditCookie ec, ITfRange* pRange, const VARIANT* pvarValue) {
  if (pRange == nullptr || pvarValue == nullptr) return E_INVALIDARG;
  PropertyValue value;
  if (pvarValue->vt == VT_I4) {
    value = PropertyValue{VT_I4, pvarValue->lVal};
  } else if (pvarValue->vt != VT_EMPTY) {
    return E_INVALIDARG;
  }
  LONG start, end;
  HRESULT hr = CheckWrite(ec, pRange, "ITfProperty::SetValue", &start, &end);
  if (hr != S_OK) return hr;
  document_->properties().Set(guid_, start, end, value);
  return S_OK;
}

HRESULT TextProperty::Clear(TfEditCookie ec, ITfRange* pRange) {
  LONG start, end;
  HRESULT hr = CheckWrite(ec, pRange, "ITfProperty::Clear", &start, &end);
  if (hr != S_OK) return hr;
  document_->properties().Set(guid_, start, end, PropertyValue{});
  return S_OK;
}

}  // namespace platform
