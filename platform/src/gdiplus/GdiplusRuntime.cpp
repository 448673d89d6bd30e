#include "gdiplus/GdiplusRuntime.h"

namespace platform {

GdiplusRuntime& GdiplusRuntime::Instance() {
  static GdiplusRuntime* runtime = new GdiplusRuntime;  // used until the process ends
  return *runtime;
}

ULONG_PTR GdiplusRuntime::Start() {
  std::lock_guard<std::mutex> hold(lock_);
  ULONG_PTR token = ++next_;
  open_.insert(token);
  return token;
}

void GdiplusRuntime::Stop(ULONG_PTR token) {
  std::lock_guard<std::mutex> hold(lock_);
  open_.erase(token);
}

bool GdiplusRuntime::Running() {
  std::lock_guard<std::mutex> hold(lock_);
  return !open_.empty();
}

}  // namespace platform
