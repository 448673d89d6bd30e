// One registered window class. What RegisterClassW was given is copied (the
// caller's strings may go away with its module); windowCount keeps
// UnregisterClassW from removing a class that windows still use.
#pragma once

#include <atomic>
#include <string>

#include "Platform.h"

namespace platform {

class WindowClass {
 public:
  explicit WindowClass(const WNDCLASSW& registration, ATOM atom);

  // The registration as GetClassInfoW reports it (lpszClassName left null).
  WNDCLASSW Describe() const;
  bool IsGlobal() const { return (style & CS_GLOBALCLASS) != 0; }

  const ATOM atom;
  const std::u16string name;
  const HINSTANCE instance;
  const UINT style;
  const WNDPROC procedure;
  const int classExtra;
  const int windowExtra;
  const HICON icon;
  const HCURSOR cursor;
  const HBRUSH background;
  std::atomic<int> windowCount{0};

 private:
  std::u16string menuName_;  // when the menu is named by a string
  LPCWSTR menu_;             // the string above, or an integer resource
};

}  // namespace platform
