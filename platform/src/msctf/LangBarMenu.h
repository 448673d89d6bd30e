// The menu the language bar hands to ITfLangBarItemButton::InitMenu: it
// records what the item adds (a submenu records into the same list, one
// level deeper).
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "Platform.h"
#include "host/msctf/LanguageBar.h"

namespace platform {

class LangBarMenu final : public ITfMenu {
 public:
  LangBarMenu(std::shared_ptr<std::vector<host::LangBarMenuItem>> items, int depth);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE AddMenuItem(UINT uId, DWORD dwFlags, HBITMAP hbmp, HBITMAP hbmpMask,
                                        const WCHAR* pch, ULONG cch, ITfMenu** ppMenu) override;

 private:
  ~LangBarMenu() = default;

  std::atomic<ULONG> refs_{1};
  std::shared_ptr<std::vector<host::LangBarMenuItem>> items_;
  int depth_;
};

}  // namespace platform
