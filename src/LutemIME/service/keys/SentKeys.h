#pragma once

#include <cstddef>
#include <deque>

#include "Platform.h"
#include "service/keys/KeyToSend.h"

// The keys the text service gives the application itself, with SendInput,
// after it committed the composition (Enter and Space after a commit, a
// pass-through key that had to wait for one). Each sent event comes back
// through the key sink, where it goes to the application as it is instead
// of being classified again: a Shift sent around "@" must not type layout
// 8's Shift marker, and an Enter must not commit the next composition.
class SentKeys {
 public:
  // Sends key down and up. Each modifier that was down when the user typed
  // it and is up now is pressed around it, so that the application sees
  // the same key ("@", Ctrl+A). False when SendInput took nothing.
  bool Send(const KeyToSend& key);

  enum class Returning {
    No,      // a key of the user's
    Pass,    // sent for the application: it goes there as it is
    Retype,  // sent to be typed again: classified as any key
  };
  // Whether the key event is the next one sent, and how; it is then taken
  // off the list. SendInput's events come back together and in order, so an
  // event that is not the next one means the rest went elsewhere (another
  // window had the focus): they are forgotten.
  Returning Take(UINT vk, bool up);

  size_t Pending() const { return expected_.size(); }

 private:
  struct Event {
    UINT vk;
    bool up;
    bool retype;
  };
  std::deque<Event> expected_;
};
