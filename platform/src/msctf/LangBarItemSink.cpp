#include "msctf/LangBarItemSink.h"

namespace platform {

LangBarItemSink::LangBarItemSink(REFGUID item, std::shared_ptr<std::vector<LangBarUpdate>> log)
    : item_(item), log_(std::move(log)) {}

HRESULT LangBarItemSink::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_ITfLangBarItemSink)) {
    return E_NOINTERFACE;
  }
  *object = static_cast<ITfLangBarItemSink*>(this);
  AddRef();
  return S_OK;
}

ULONG LangBarItemSink::AddRef() { return ++refs_; }

ULONG LangBarItemSink::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT LangBarItemSink::OnUpdate(DWORD dwFlags) {
  log_->push_back(LangBarUpdate{item_, dwFlags});
  return S_OK;
}

}  // namespace platform
