#include "msctf/EditLocks.h"

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

TfEditCookie NextCookie() {
  static std::atomic<TfEditCookie> next{1};
  TfEditCookie cookie;
  do {
    cookie = next++;
  } while (cookie == TF_INVALID_EDIT_COOKIE);
  return cookie;
}

}  // namespace

EditLocks::Scope::Scope(EditLocks& locks, bool write, TfClientId client, Kind kind)
    : locks_(locks), cookie_(NextCookie()) {
  locks_.locks_.push_back(Lock{cookie_, write, client, kind});
}

EditLocks::Scope::~Scope() {
  auto& all = locks_.locks_;
  all.erase(std::find_if(all.begin(), all.end(), [&](const Lock& l) { return l.cookie == cookie_; }));
}

bool EditLocks::CanWrite(TfEditCookie cookie) const {
  const Lock* lock = Find(cookie);
  return lock != nullptr && lock->write;
}

const EditLocks::Lock* EditLocks::Find(TfEditCookie cookie) const {
  for (const Lock& lock : locks_) {
    if (lock.cookie == cookie) return &lock;
  }
  return nullptr;
}

bool EditLocks::WriteHeldBy(TfClientId client) const {
  return std::any_of(locks_.begin(), locks_.end(),
                     [&](const Lock& l) { return l.write && l.client == client; });
}

}  // namespace platform
