#pragma once

#include "service/keys/CEditSessionBase.h"

// Starts a composition at the selection, empty, and makes it the selection;
// the text service keeps it and its context. Requested synchronously from
// inside the key session that types the first key.
class CStartCompositionEditSession final : public CEditSessionBase {
 public:
  using CEditSessionBase::CEditSessionBase;

  // ITfEditSession
  STDMETHODIMP DoEditSession(TfEditCookie ec) override;
};
