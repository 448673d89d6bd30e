#pragma once

#include "service/keys/CEditSessionBase.h"

class CTfTextLayoutSink;

// Reads where the composition stands on the screen, for the candidate list
// that follows it when the application's layout changes. None of view,
// range and the sink is owned: the sink asks for the session and waits for
// it (a read lock granted inside OnLayoutChange).
class CGetTextExtentEditSession final : public CEditSessionBase {
 public:
  CGetTextExtentEditSession(LutemIME* textService, ITfContext* context, ITfContextView* view,
                            ITfRange* range, CTfTextLayoutSink* layoutSink);

  // ITfEditSession
  STDMETHODIMP DoEditSession(TfEditCookie ec) override;

 private:
  ITfContextView* view;
  ITfRange* range;
  CTfTextLayoutSink* layoutSink;
};
