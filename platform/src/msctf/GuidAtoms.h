#pragma once

#include <mutex>
#include <vector>

#include "Platform.h"

namespace platform {

// The process's GUID atoms: the first registration of a GUID gives it the
// next number from 1, and it keeps that number until the process ends.
class GuidAtoms {
 public:
  static GuidAtoms& Instance();

  TfGuidAtom Register(REFGUID guid);
  bool Find(TfGuidAtom atom, GUID& guid);

 private:
  std::mutex lock_;
  std::vector<GUID> guids_;
};

}  // namespace platform
