// The menu the language bar hands to ITfLangBarItemButton::InitMenu: it
// records what the item adds (a submenu records into the same list, one
// level deeper).
#pragma once

#include <memory>
#include <vector>

#include "Platform.h"
#include "host/msctf/LanguageBar.h"
#include "msctf/ComObject.h"

namespace platform {

class LangBarMenu final : public ComObject<ITfMenu> {
 public:
  LangBarMenu(std::shared_ptr<std::vector<host::LangBarMenuItem>> items, int depth);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE AddMenuItem(UINT uId, DWORD dwFlags, HBITMAP hbmp, HBITMAP hbmpMask,
                                        const WCHAR* pch, ULONG cch, ITfMenu** ppMenu) override;

 private:
  ~LangBarMenu() override = default;

  std::shared_ptr<std::vector<host::LangBarMenuItem>> items_;
  int depth_;
};

}  // namespace platform
