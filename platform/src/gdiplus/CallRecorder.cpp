#include "gdiplus/CallRecorder.h"

namespace platform {

CallRecorder& CallRecorder::Instance() {
  static CallRecorder* recorder = new CallRecorder;  // used until the process ends
  return *recorder;
}

void CallRecorder::Add(host::GdiplusCall call) {
  std::lock_guard<std::mutex> hold(lock_);
  calls_.push_back(std::move(call));
  if (calls_.size() > kCapacity) {
    calls_.pop_front();
    ++first_;
  }
}

uint64_t CallRecorder::Mark() {
  std::lock_guard<std::mutex> hold(lock_);
  return first_ + calls_.size();
}

std::vector<host::GdiplusCall> CallRecorder::Since(uint64_t mark) {
  std::lock_guard<std::mutex> hold(lock_);
  uint64_t start = mark < first_ ? first_ : mark;
  std::vector<host::GdiplusCall> calls;
  for (uint64_t i = start; i < first_ + calls_.size(); ++i) calls.push_back(calls_[i - first_]);
  return calls;
}

}  // namespace platform
