#include "msctf/LangBarMenu.h"

namespace platform {

LangBarMenu::LangBarMenu(std::shared_ptr<std::vector<host::LangBarMenuItem>> items, int depth)
    : items_(std::move(items)), depth_(depth) {}

HRESULT LangBarMenu::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfMenu);
  return Answer(known ? static_cast<ITfMenu*>(this) : nullptr, object);
}

HRESULT LangBarMenu::AddMenuItem(UINT uId, DWORD dwFlags, HBITMAP hbmp, HBITMAP hbmpMask,
                                 const WCHAR* pch, ULONG cch, ITfMenu** ppMenu) {
  if (pch == nullptr && cch != 0) return E_INVALIDARG;
  items_->push_back(host::LangBarMenuItem{
      uId, dwFlags, pch ? std::u16string(AsChar16(pch), cch) : std::u16string(), depth_});
  if (ppMenu) {
    *ppMenu = (dwFlags & TF_LBMENUF_SUBMENU) ? new LangBarMenu(items_, depth_ + 1) : nullptr;
  }
  return S_OK;
}

}  // namespace platform
