// A text service's text side for the host's tests (not the product): the
// edit, layout and composition sinks, each logging what it was told and
// running a hook the test sets (to request sessions from inside a notice,
// to read the document with the cookie it got...).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Platform.h"
#include "msctf/ComObject.h"

namespace tsftest {

class TextClient final : public platform::ComObject<ITfTextEditSink, ITfTextLayoutSink,
                                                     ITfCompositionSink> {
 public:
  TextClient() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE OnEndEdit(ITfContext* pic, TfEditCookie ecReadOnly,
                                      ITfEditRecord* pEditRecord) override;
  HRESULT STDMETHODCALLTYPE OnLayoutChange(ITfContext* pic, TfLayoutCode lcode,
                                           ITfContextView* pView) override;
  HRESULT STDMETHODCALLTYPE OnCompositionTerminated(TfEditCookie ecWrite,
                                                    ITfComposition* pComposition) override;

  // Advises the edit and layout sinks on context (kept until Unadvise).
  void Advise(ITfContext* context);
  void Unadvise();

  // "OnEndEdit moved" / "OnEndEdit still", "OnLayoutChange N",
  // "OnCompositionTerminated".
  std::vector<std::string> log;
  std::function<void(ITfContext*, TfEditCookie)> onEndEdit;
  std::function<void(ITfContext*, TfLayoutCode, ITfContextView*)> onLayoutChange;
  std::function<void(TfEditCookie, ITfComposition*)> onTerminated;
  // The contexts the notices named, in order.
  std::vector<ITfContext*> noticeContexts;

 private:
  ~TextClient() override = default;

  struct Advised {
    ITfContext* context;
    DWORD cookie;
  };
  std::vector<Advised> advised_;
};

}  // namespace tsftest
