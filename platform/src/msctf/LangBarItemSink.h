// The sink the language bar advises on each item it shows
// (ITfLangBarItemSink): the item calls OnUpdate when its icon, text or
// status changed; the bar writes each call into its update log.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

#include "Platform.h"
#include "host/msctf/LanguageBar.h"

namespace platform {

using host::LangBarUpdate;

class LangBarItemSink final : public ITfLangBarItemSink {
 public:
  LangBarItemSink(REFGUID item, std::shared_ptr<std::vector<LangBarUpdate>> log);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE OnUpdate(DWORD dwFlags) override;

 private:
  ~LangBarItemSink() = default;

  std::atomic<ULONG> refs_{1};
  GUID item_;
  // Shared with the bar: an item may keep its sink after the bar went.
  std::shared_ptr<std::vector<LangBarUpdate>> log_;
};

}  // namespace platform
