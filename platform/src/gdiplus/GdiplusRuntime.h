// GDI+'s started state: the tokens of the startups that were not yet shut
// down. GDI+ works while at least one is open.
#pragma once

#include <cstdint>
#include <mutex>
#include <set>

#include "Platform.h"

namespace platform {

class GdiplusRuntime {
 public:
  static GdiplusRuntime& Instance();

  // A new token, never 0 and never handed out before.
  ULONG_PTR Start();
  // Ends the startup of token; an unknown token changes nothing.
  void Stop(ULONG_PTR token);
  bool Running();

 private:
  std::mutex lock_;
  std::set<ULONG_PTR> open_;
  ULONG_PTR next_ = 0x6d00;
};

}  // namespace platform
