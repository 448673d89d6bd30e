// host::PumpMessages on Windows: the thread's real queue, each key message
// on the key road first, then the edit sessions waiting for a lock, in
// rounds until one finds nothing. Input that SendInput gave a moment ago may
// still be on its way from the window server, so a round that finds nothing
// waits a little for more before it ends the pump.
#include "host/user32/MessagePump.h"

#include "msctf/EditSessionQueue.h"
#include "user32/KeyRoad.h"

namespace host {
namespace {

constexpr DWORD kSettleMilliseconds = 20;

}  // namespace

int PumpMessages() {
  int delivered = 0;
  for (;;) {
    int round = 0;
    MSG message{};
    bool quit = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // left for the thread's own loop
        PostQuitMessage(static_cast<int>(message.wParam));
        quit = true;
        break;
      }
      ++round;
      if (platform::KeyRoad::Take(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    round += platform::EditSessionQueue::ForThread().RunAll();
    delivered += round;
    if (quit) return delivered;
    if (round == 0 &&
        MsgWaitForMultipleObjectsEx(0, nullptr, kSettleMilliseconds, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0)
      return delivered;
  }
}

}  // namespace host
