#include "msctf/GuidAtoms.h"

namespace platform {

GuidAtoms& GuidAtoms::Instance() {
  static auto* atoms = new GuidAtoms;  // used until the process ends
  return *atoms;
}

TfGuidAtom GuidAtoms::Register(REFGUID guid) {
  std::lock_guard<std::mutex> hold(lock_);
  for (size_t i = 0; i < guids_.size(); ++i)
    if (guids_[i] == guid) return static_cast<TfGuidAtom>(i + 1);
  guids_.push_back(guid);
  return static_cast<TfGuidAtom>(guids_.size());
}

bool GuidAtoms::Find(TfGuidAtom atom, GUID& guid) {
  std::lock_guard<std::mutex> hold(lock_);
  if (atom == TF_INVALID_GUIDATOM || atom > guids_.size()) return false;
  guid = guids_[atom - 1];
  return true;
}

}  // namespace platform
