// What a HANDLE stands for. Each kind of object (pipe end, mutex...) derives
// from this; HandleTable owns them and CloseHandle destroys them.
#pragma once

#include <memory>

#include "Platform.h"

namespace platform {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
};

}  // namespace platform
