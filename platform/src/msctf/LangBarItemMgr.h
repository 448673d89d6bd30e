// The language bar of a thread (ITfLangBarItemMgr), as far as a text
// service reaches it and as the ITfLangBarItemMgr and ITfLangBarItemSink
// references describe it. AddItem asks the item for its TF_LANGBARITEMINFO
// (GetInfo), advises the bar's own ITfLangBarItemSink on it (its ITfSource)
// and keeps a reference; a failure of either adds nothing and is returned.
// RemoveItem unadvises and releases. An item whose GUID is already on the
// bar is refused (E_INVALIDARG), as is removing one that is not (E_FAIL).
// Every OnUpdate an item sends is logged. Enumerations and floating
// rectangles are not provided (E_NOTIMPL).
//
// Failure switches: "ITfLangBarItemMgr::AddItem",
// "ITfLangBarItemMgr::RemoveItem".
#pragma once

#include <memory>
#include <vector>

#include "Platform.h"
#include "msctf/AggregatedInterface.h"
#include "msctf/ComPtr.h"
#include "msctf/LangBarItemSink.h"

namespace platform {

class LangBarItemMgr final : public AggregatedInterface<ITfLangBarItemMgr> {
 public:
  struct Item {
    ComPtr<ITfLangBarItem> item;
    TF_LANGBARITEMINFO info;
    DWORD cookie;  // of the bar's sink on the item
  };

  explicit LangBarItemMgr(IUnknown& owner);
  ~LangBarItemMgr();

  HRESULT STDMETHODCALLTYPE EnumItems(IEnumTfLangBarItems** ppEnum) override;
  HRESULT STDMETHODCALLTYPE GetItem(REFGUID rguid, ITfLangBarItem** ppItem) override;
  HRESULT STDMETHODCALLTYPE AddItem(ITfLangBarItem* punk) override;
  HRESULT STDMETHODCALLTYPE RemoveItem(ITfLangBarItem* punk) override;
  HRESULT STDMETHODCALLTYPE AdviseItemSink(ITfLangBarItemSink* punk, DWORD* pdwCookie,
                                           REFGUID rguidItem) override;
  HRESULT STDMETHODCALLTYPE UnadviseItemSink(DWORD dwCookie) override;
  HRESULT STDMETHODCALLTYPE GetItemFloatingRect(DWORD dwThreadId, REFGUID rguid,
                                                RECT* prc) override;
  HRESULT STDMETHODCALLTYPE GetItemsStatus(ULONG ulCount, const GUID* prgguid,
                                           DWORD* pdwStatus) override;
  HRESULT STDMETHODCALLTYPE GetItemNum(ULONG* pulCount) override;
  HRESULT STDMETHODCALLTYPE GetItems(ULONG ulCount, ITfLangBarItem** ppItem,
                                     TF_LANGBARITEMINFO* pInfo, DWORD* pdwStatus,
                                     ULONG* pcFetched) override;
  HRESULT STDMETHODCALLTYPE AdviseItemsSink(ULONG ulCount, ITfLangBarItemSink** ppunk,
                                            const GUID* pguidItem, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE UnadviseItemsSink(ULONG ulCount, DWORD* pdwCookie) override;

  const std::vector<Item>& items() const { return items_; }
  const std::vector<LangBarUpdate>& updates() const { return *updates_; }
  void ClearUpdates() { updates_->clear(); }
  // Unadvises and releases every item (when the thread manager goes).
  void Clear();

 private:
  std::vector<Item> items_;
  std::shared_ptr<std::vector<LangBarUpdate>> updates_;
};

}  // namespace platform
