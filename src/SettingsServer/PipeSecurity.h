#pragma once

#include <vector>

#include "Platform.h"

// The settings pipe's security descriptor: reading and writing for the
// user the server runs as and for ALL APPLICATION PACKAGES (so that the
// user's AppContainer applications may open it too), for nobody else; not
// even reading is left to other users, which Windows' default for a pipe
// allows.
class PipeSecurity {
 public:
  PipeSecurity();
  ~PipeSecurity();
  PipeSecurity(const PipeSecurity&) = delete;
  PipeSecurity& operator=(const PipeSecurity&) = delete;

  // False when the server's own user could not be read.
  bool ok() const { return ok_; }
  LPSECURITY_ATTRIBUTES attributes() { return ok_ ? &attributes_ : nullptr; }

 private:
  bool ok_ = false;
  std::vector<BYTE> user_;
  PSID anyPackage_ = nullptr;
  std::vector<BYTE> acl_;
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
};
