#include "msctf/ContextEnum.h"

namespace platform {

ContextEnum::ContextEnum(std::vector<ComPtr<ITfContext>> contexts, size_t position)
    : contexts_(std::move(contexts)), position_(position) {}

HRESULT ContextEnum::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IEnumTfContexts);
  return Answer(known ? static_cast<IEnumTfContexts*>(this) : nullptr, object);
}

HRESULT ContextEnum::Clone(IEnumTfContexts** ppEnum) {
  if (ppEnum == nullptr) return E_INVALIDARG;
  *ppEnum = new ContextEnum(contexts_, position_);
  return S_OK;
}

HRESULT ContextEnum::Next(ULONG ulCount, ITfContext** rgContext, ULONG* pcFetched) {
  if (pcFetched) *pcFetched = 0;
  if (ulCount > 0 && rgContext == nullptr) return E_INVALIDARG;
  ULONG fetched = 0;
  while (fetched < ulCount && position_ < contexts_.size()) {
    HandOut(contexts_[position_++].get(), &rgContext[fetched++]);
  }
  if (pcFetched) *pcFetched = fetched;
  return fetched == ulCount ? S_OK : S_FALSE;
}

HRESULT ContextEnum::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT ContextEnum::Skip(ULONG ulCount) {
  size_t left = contexts_.size() - position_;
  if (ulCount > left) {
    position_ = contexts_.size();
    return S_FALSE;
  }
  position_ += ulCount;
  return S_OK;
}

}  // namespace platform
