#include "user32/CursorState.h"

namespace platform {

CursorState& CursorState::Instance() {
  static CursorState* state = new CursorState;
  return *state;
}

POINT CursorState::Position() {
  std::lock_guard<std::mutex> hold(lock_);
  return position_;
}

void CursorState::MoveTo(POINT point) {
  std::lock_guard<std::mutex> hold(lock_);
  position_ = point;
}

HCURSOR CursorState::Set(HCURSOR cursor) {
  std::lock_guard<std::mutex> hold(lock_);
  HCURSOR previous = current_;
  current_ = cursor;
  setLog_.push_back(cursor);
  return previous;
}

HCURSOR CursorState::Current() {
  std::lock_guard<std::mutex> hold(lock_);
  return current_;
}

std::vector<HCURSOR> CursorState::SetLog() {
  std::lock_guard<std::mutex> hold(lock_);
  return setLog_;
}

void CursorState::ClearLog() {
  std::lock_guard<std::mutex> hold(lock_);
  setLog_.clear();
}

void CursorState::Reset() {
  std::lock_guard<std::mutex> hold(lock_);
  position_ = POINT{0, 0};
  current_ = nullptr;
  setLog_.clear();
}

}  // namespace platform
