// The sink the language bar advises on each item it shows
// (ITfLangBarItemSink): the item calls OnUpdate when its icon, text or
// status changed; the bar writes each call into its update log.
#pragma once

#include <memory>
#include <vector>

#include "Platform.h"
#include "host/msctf/LanguageBar.h"
#include "msctf/ComObject.h"

namespace platform {

using host::LangBarUpdate;

class LangBarItemSink final : public ComObject<ITfLangBarItemSink> {
 public:
  LangBarItemSink(REFGUID item, std::shared_ptr<std::vector<LangBarUpdate>> log);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE OnUpdate(DWORD dwFlags) override;

 private:
  ~LangBarItemSink() override = default;

  GUID item_;
  // Shared with the bar: an item may keep its sink after the bar went.
  std::shared_ptr<std::vector<LangBarUpdate>> log_;
};

}  // namespace platform
