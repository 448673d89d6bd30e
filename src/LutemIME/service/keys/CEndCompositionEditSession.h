#pragma once

#include "service/keys/CEditSessionBase.h"

// Ends the composition that was open when the session was asked for, its
// text kept (the caret left it, the user left its document, or the text
// service was deactivated). By the time it runs that composition may be
// gone and another one open: the other one is left alone. Asked for on the
// composition's own context.
class CEndCompositionEditSession final : public CEditSessionBase {
 public:
  CEndCompositionEditSession(LutemIME* textService, ITfContext* context,
                             ITfComposition* composition);

  // ITfEditSession
  STDMETHODIMP DoEditSession(TfEditCookie ec) override;

 private:
  ~CEndCompositionEditSession() override;

  ITfComposition* composition;  // one reference
};
