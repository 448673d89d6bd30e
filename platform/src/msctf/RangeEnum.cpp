#include "msctf/RangeEnum.h"

#include "msctf/TextRange.h"

namespace platform {

RangeEnum::RangeEnum(std::vector<TextSpan> spans, size_t next)
    : spans_(std::move(spans)), next_(next) {}

HRESULT RangeEnum::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IEnumTfRanges);
  return Answer(known ? static_cast<IEnumTfRanges*>(this) : nullptr, object);
}

HRESULT RangeEnum::Clone(IEnumTfRanges** ppEnum) {
  if (ppEnum == nullptr) return E_INVALIDARG;
  *ppEnum = new RangeEnum(spans_, next_);
  return S_OK;
}

HRESULT RangeEnum::Next(ULONG ulCount, ITfRange** ppRange, ULONG* pcFetched) {
  if (pcFetched) *pcFetched = 0;
  if (ppRange == nullptr || (ulCount > 1 && pcFetched == nullptr)) return E_INVALIDARG;
  ULONG fetched = 0;
  while (fetched < ulCount && next_ < spans_.size()) {
    TextRange::HandOutNew(spans_[next_++], &ppRange[fetched++]);
  }
  if (pcFetched) *pcFetched = fetched;
  return fetched == ulCount ? S_OK : S_FALSE;
}

HRESULT RangeEnum::Reset() {
  next_ = 0;
  return S_OK;
}

HRESULT RangeEnum::Skip(ULONG ulCount) {
  size_t left = spans_.size() - next_;
  next_ += std::min<size_t>(ulCount, left);
  return ulCount <= left ? S_OK : S_FALSE;
}

}  // namespace platform
