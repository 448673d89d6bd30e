// The locks granted on one document, innermost last, and the edit cookies
// that name them. A cookie is valid only while its lock is held: for an
// edit session, while its DoEditSession runs (an outer session's cookie
// stays valid while a nested one runs); for the read-only cookie of
// OnEndEdit, while the edit sinks are told; for the write cookie of
// OnCompositionTerminated, while the composition sink is told. A cookie of
// another document, or one whose lock is gone, is invalid here: every
// method that takes one answers TF_E_NOLOCK, as does a write with a
// read-only cookie. Cookies come from one process-wide counter and are
// never TF_INVALID_EDIT_COOKIE.
#pragma once

#include <vector>

#include "Platform.h"

namespace platform {

class EditLocks {
 public:
  enum class Kind {
    kSession,      // an edit session's DoEditSession
    kEndEdit,      // ITfTextEditSink::OnEndEdit
    kTermination,  // ITfCompositionSink::OnCompositionTerminated
  };
  struct Lock {
    TfEditCookie cookie;
    bool write;
    TfClientId client;
    Kind kind;
  };

  // Holds a fresh lock for its own life.
  class Scope {
   public:
    Scope(EditLocks& locks, bool write, TfClientId client, Kind kind);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    TfEditCookie cookie() const { return cookie_; }

   private:
    EditLocks& locks_;
    TfEditCookie cookie_;
  };

  bool CanRead(TfEditCookie cookie) const { return Find(cookie) != nullptr; }
  bool CanWrite(TfEditCookie cookie) const;
  // The lock a cookie names, or null.
  const Lock* Find(TfEditCookie cookie) const;
  bool held() const { return !locks_.empty(); }
  const Lock* innermost() const { return locks_.empty() ? nullptr : &locks_.back(); }
  bool WriteHeldBy(TfClientId client) const;

 private:
  std::vector<Lock> locks_;
};

}  // namespace platform
