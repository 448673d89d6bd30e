#include "msctf/LangBarItemSink.h"

namespace platform {

LangBarItemSink::LangBarItemSink(REFGUID item, std::shared_ptr<std::vector<LangBarUpdate>> log)
    : item_(item), log_(std::move(log)) {}

HRESULT LangBarItemSink::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfLangBarItemSink);
  return Answer(known ? static_cast<ITfLangBarItemSink*>(this) : nullptr, object);
}

HRESULT LangBarItemSink::OnUpdate(DWORD dwFlags) {
  log_->push_back(LangBarUpdate{item_, dwFlags});
  return S_OK;
}

}  // namespace platform
