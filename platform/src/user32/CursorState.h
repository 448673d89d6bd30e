// The mouse cursor: where it is (set by the host or SetCursorPos) and which
// cursor shape is showing, with every SetCursor call kept for tests.
#pragma once

#include <mutex>
#include <vector>

#include "Platform.h"

namespace platform {

class CursorState {
 public:
  static CursorState& Instance();

  POINT Position();
  void MoveTo(POINT point);
  // Returns the cursor shown before.
  HCURSOR Set(HCURSOR cursor);
  HCURSOR Current();
  std::vector<HCURSOR> SetLog();
  void ClearLog();
  void Reset();

 private:
  std::mutex lock_;
  POINT position_{0, 0};
  HCURSOR current_ = nullptr;
  std::vector<HCURSOR> setLog_;
};

}  // namespace platform
