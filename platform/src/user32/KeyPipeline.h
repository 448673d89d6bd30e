// The calling thread's road for one key event, as Windows and a TSF-aware
// application take it: the key state changes first; the key message
// (wParam the virtual key, VK_PACKET with its character in the high word;
// lParam with repeat count 1, the scan code, the extended bit, Alt's context
// bit, the previous state and the transition) is offered to TSF
// (msctf/KeyRouting.h), where a preserved key reaches only its
// OnPreservedKey and any other key OnTestKeyDown, then OnKeyDown when
// eaten; a key nobody ate goes to the application, which records the
// message (WM_SYSKEYDOWN while Alt is down without Ctrl, for F10 and for
// Alt itself) and,
// for a key-down, the character messages the layout gives (WM_CHAR, or
// WM_SYSCHAR), typing each WM_CHAR into the focused document.
//
// Input from SendInput waits in a queue and runs through the same road once
// the outermost key event on the thread has been handled, or when the host
// replays pending input; never inside the call that sent it. Keyboard
// entries that name no virtual key (scan-code input) are logged only.
#pragma once

#include <deque>
#include <vector>

#include "Platform.h"
#include "msctf/KeyRouting.h"
#include "user32/KeyEvent.h"

namespace platform {

using host::ApplicationKeyMessage;

class KeyPipeline {
 public:
  static KeyPipeline& ForThread();

  void Dispatch(const KeyEvent& event);
  // SendInput: logs every entry and queues the keyboard ones.
  void Send(const INPUT& input);
  void ReplayPending();
  bool HasPending() const { return !pending_.empty(); }

  KeyDelivery delivery = KeyDelivery::TestThenKeyDown;
  std::vector<ApplicationKeyMessage> applicationMessages;
  std::vector<INPUT> sentInput;

 private:
  void Record(UINT message, WPARAM wParam, LPARAM lParam);
  void DeliverToApplication(const KeyEvent& event, WPARAM wParam, LPARAM lParam, bool system);

  int depth_ = 0;
  bool replaying_ = false;
  std::deque<KeyEvent> pending_;
};

}  // namespace platform
