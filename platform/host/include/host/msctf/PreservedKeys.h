// The keys preserved on the calling thread's keystroke manager, in the order
// they were preserved.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct PreservedKey {
  TfClientId clientId;
  GUID guid;
  TF_PRESERVEDKEY key;
  std::u16string description;
};

std::vector<PreservedKey> PreservedKeys();

}  // namespace host
