#pragma once

#include "advapi32/ProcessIdentity.h"
#include "kernel32/KernelObject.h"

namespace platform {

// A process's access token: who the process ran as when it was opened.
class AccessToken : public KernelObject {
 public:
  explicit AccessToken(ProcessIdentity identity) : identity(std::move(identity)) {}
  const ProcessIdentity identity;
};

// The process behind an OpenProcess handle.
class ProcessObject : public KernelObject {
 public:
  explicit ProcessObject(DWORD id) : id(id) {}
  const DWORD id;
};

}  // namespace platform
