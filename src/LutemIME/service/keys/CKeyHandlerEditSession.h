#pragma once

#include <optional>

#include "service/keys/CEditSessionBase.h"
#include "service/keys/KeyToSend.h"
#include "service/keys/KeystrokeState.h"

// The session in which a classified key (or a click on a candidate) is
// handled: the key state of its category runs the handler of its function.
// A session that runs after the text service was deactivated does nothing.
//
// While it waits for its lock the text service counts it
// (LutemIME::waitingKeySessions), so that a key which must reach the
// application after the composition ended does not overtake it. A session
// may carry a key held back meanwhile, which it sends again after its
// handler ran (LutemIME::heldKeys counts those not sent yet); a session
// that never runs loses it. A commit by Enter or Space sends its key on
// from its handler, so while it waits it counts as holding that key: keys
// typed after it then wait behind it too.
class CKeyHandlerEditSession final : public CEditSessionBase {
 public:
  CKeyHandlerEditSession(LutemIME* textService, ITfContext* context, UINT code, WCHAR character,
                         KeystrokeState state);

  // ITfEditSession
  STDMETHODIMP DoEditSession(TfEditCookie ec) override;

  // The request answered TF_S_ASYNC: the session waits for its lock.
  void MarkWaiting();
  // After the handler ran, key is sent again (a pass-through key held back
  // until the commit, or a key typed while another was held).
  void SendAfterwards(const KeyToSend& key);
  // The eaten key as typed: it goes to the application instead of to its
  // handler when the key finds nothing composed but layout 8's Shift marker.
  void KeepTypedKey(const KeyToSend& key) { typedKey = key; }

 private:
  ~CKeyHandlerEditSession() override;
  void StopWaiting();

  UINT code;
  WCHAR character;
  KeystrokeState state;
  bool waiting = false;
  bool holdsCommitKey = false;
  bool typing = false;  // waits only to take its key into the word
  std::optional<KeyToSend> keyAfterwards;
  std::optional<KeyToSend> typedKey;
};
