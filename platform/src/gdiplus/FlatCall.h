// One call of the flat API: refuses it while GDI+ is not started or when its
// failure switch is armed, keeps any exception inside (the callers are C
// callers), and records it with its arguments and its status.
#pragma once

#include <new>

#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"

namespace platform {

class FlatCall {
 public:
  // failStatus: what the call gives when its failure switch is armed.
  FlatCall(const char* name, Gdiplus::Status failStatus = Gdiplus::GenericError);

  // The record of this call; fill the arguments before Run.
  host::GdiplusCall record;
  // Whether the record is kept: arguments that cost copies (texts, fonts,
  // paths) are filled only then.
  bool Recording() const;

  template <typename Body>
  Gdiplus::Status Run(Body body) {
    Gdiplus::Status status = Admit();
    if (status == Gdiplus::Ok) {
      try {
        status = body();
      } catch (const std::bad_alloc&) {
        status = Gdiplus::OutOfMemory;
      } catch (...) {
        status = Gdiplus::GenericError;
      }
    }
    return Finish(status);
  }

 private:
  Gdiplus::Status Admit();
  Gdiplus::Status Finish(Gdiplus::Status status);

  Gdiplus::Status failStatus_;
};

template <typename T>
uintptr_t IdOf(const T* object) {
  return reinterpret_cast<uintptr_t>(object);
}

}  // namespace platform
