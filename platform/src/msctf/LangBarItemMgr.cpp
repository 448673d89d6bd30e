#include "msctf/LangBarItemMgr.h"

#include <algorithm>

#include "common/FailureSwitch.h"

namespace platform {
namespace {

void Unadvise(ITfLangBarItem* item, DWORD cookie) {
  ComPtr<ITfSource> source;
  if (SUCCEEDED(item->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(source.Receive()))) &&
      source) {
    source->UnadviseSink(cookie);
  }
}

}  // namespace

LangBarItemMgr::LangBarItemMgr(IUnknown& owner)
    : AggregatedInterface(owner), updates_(std::make_shared<std::vector<LangBarUpdate>>()) {}

LangBarItemMgr::~LangBarItemMgr() { Clear(); }

HRESULT LangBarItemMgr::EnumItems(IEnumTfLangBarItems** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT LangBarItemMgr::GetItem(REFGUID rguid, ITfLangBarItem** ppItem) {
  if (ppItem == nullptr) return E_INVALIDARG;
  *ppItem = nullptr;
  for (const Item& i : items_) {
    if (IsEqualGUID(i.info.guidItem, rguid)) {
      HandOut(i.item.get(), ppItem);
      return S_OK;
    }
  }
  return E_FAIL;
}

HRESULT LangBarItemMgr::AddItem(ITfLangBarItem* punk) {
  if (punk == nullptr) return E_INVALIDARG;
  if (ShouldFail("ITfLangBarItemMgr::AddItem")) return E_FAIL;
  TF_LANGBARITEMINFO info = {};
  HRESULT hr = punk->GetInfo(&info);
  if (FAILED(hr)) return hr;
  for (const Item& i : items_) {
    if (IsEqualGUID(i.info.guidItem, info.guidItem)) return E_INVALIDARG;
  }
  ComPtr<ITfSource> source;
  hr = punk->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(source.Receive()));
  if (FAILED(hr) || !source) return FAILED(hr) ? hr : E_NOINTERFACE;
  ComPtr<LangBarItemSink> sink =
      ComPtr<LangBarItemSink>::Adopt(new LangBarItemSink(info.guidItem, updates_));
  DWORD cookie = TF_INVALID_COOKIE;
  hr = source->AdviseSink(IID_ITfLangBarItemSink, sink.get(), &cookie);
  if (FAILED(hr)) return hr;
  items_.push_back(Item{ComPtr<ITfLangBarItem>(punk), info, cookie});
  return S_OK;
}

HRESULT LangBarItemMgr::RemoveItem(ITfLangBarItem* punk) {
  if (punk == nullptr) return E_INVALIDARG;
  if (ShouldFail("ITfLangBarItemMgr::RemoveItem")) return E_FAIL;
  auto found = std::find_if(items_.begin(), items_.end(),
                            [&](const Item& i) { return i.item.get() == punk; });
  if (found == items_.end()) return E_FAIL;
  Item removed = *found;
  items_.erase(found);
  Unadvise(removed.item.get(), removed.cookie);
  return S_OK;
}

HRESULT LangBarItemMgr::AdviseItemSink(ITfLangBarItemSink* punk, DWORD* pdwCookie,
                                       REFGUID rguidItem) {
  return E_NOTIMPL;
}

HRESULT LangBarItemMgr::UnadviseItemSink(DWORD dwCookie) { return E_NOTIMPL; }

HRESULT LangBarItemMgr::GetItemFloatingRect(DWORD dwThreadId, REFGUID rguid, RECT* prc) {
  return E_NOTIMPL;
}

HRESULT LangBarItemMgr::GetItemsStatus(ULONG ulCount, const GUID* prgguid, DWORD* pdwStatus) {
  return E_NOTIMPL;
}

HRESULT LangBarItemMgr::GetItemNum(ULONG* pulCount) {
  if (pulCount == nullptr) return E_INVALIDARG;
  *pulCount = static_cast<ULONG>(items_.size());
  return S_OK;
}

HRESULT LangBarItemMgr::GetItems(ULONG ulCount, ITfLangBarItem** ppItem,
                                 TF_LANGBARITEMINFO* pInfo, DWORD* pdwStatus, ULONG* pcFetched) {
  if (pcFetched) *pcFetched = 0;
  return E_NOTIMPL;
}

HRESULT LangBarItemMgr::AdviseItemsSink(ULONG ulCount, ITfLangBarItemSink** ppunk,
                                        const GUID* pguidItem, DWORD* pdwCookie) {
  return E_NOTIMPL;
}

HRESULT LangBarItemMgr::UnadviseItemsSink(ULONG ulCount, DWORD* pdwCookie) { return E_NOTIMPL; }

void LangBarItemMgr::Clear() {
  std::vector<Item> removed;
  removed.swap(items_);
  for (const Item& i : removed) Unadvise(i.item.get(), i.cookie);
}

}  // namespace platform
