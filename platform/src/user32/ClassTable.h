// The desktop's registered window classes, keyed by name atom and module
// instance (see platform/user32/WinClass.h for the rules).
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "user32/WindowClass.h"

namespace platform {

class ClassTable {
 public:
  static ClassTable& Instance();

  // 0 with the last error set when the class cannot be registered.
  ATOM Register(const WNDCLASSW& registration);
  // nameOrAtom: a name or MAKEINTATOM(atom). The module's own class first,
  // then a global one; null when neither exists.
  std::shared_ptr<WindowClass> Find(LPCWSTR nameOrAtom, HINSTANCE instance);
  BOOL Unregister(LPCWSTR nameOrAtom, HINSTANCE instance);

 private:
  std::shared_ptr<WindowClass> FindLocked(ATOM atom, HINSTANCE instance);

  std::mutex lock_;
  std::vector<std::shared_ptr<WindowClass>> classes_;
};

}  // namespace platform
