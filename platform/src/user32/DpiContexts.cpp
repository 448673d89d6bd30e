#include "user32/DpiContexts.h"

namespace platform {
namespace {

constexpr uintptr_t kFirstValue = 0x6010;
constexpr int kKinds = 5;

}  // namespace

DpiContexts& DpiContexts::Instance() {
  static DpiContexts* contexts = new DpiContexts;
  return *contexts;
}

std::optional<DpiAwareness> DpiContexts::KindOf(DPI_AWARENESS_CONTEXT context) {
  auto value = reinterpret_cast<intptr_t>(context);
  if (value >= -kKinds && value <= -1) return static_cast<DpiAwareness>(-value - 1);
  auto unsignedValue = static_cast<uintptr_t>(value);
  if (unsignedValue >= kFirstValue && unsignedValue < kFirstValue + kKinds)
    return static_cast<DpiAwareness>(unsignedValue - kFirstValue);
  return std::nullopt;
}

DPI_AWARENESS_CONTEXT DpiContexts::ValueOf(DpiAwareness kind) {
  return reinterpret_cast<DPI_AWARENESS_CONTEXT>(kFirstValue + static_cast<uintptr_t>(kind));
}

DpiAwareness DpiContexts::OfThread(DWORD threadId) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = threads_.find(threadId);
  return found == threads_.end() ? processDefault_ : found->second;
}

DpiAwareness DpiContexts::SetForThread(DWORD threadId, DpiAwareness kind) {
  std::lock_guard<std::mutex> hold(lock_);
  auto found = threads_.find(threadId);
  DpiAwareness previous = found == threads_.end() ? processDefault_ : found->second;
  threads_[threadId] = kind;
  return previous;
}

void DpiContexts::SetProcessDefault(DpiAwareness kind) {
  std::lock_guard<std::mutex> hold(lock_);
  processDefault_ = kind;
}

void DpiContexts::Reset() {
  std::lock_guard<std::mutex> hold(lock_);
  processDefault_ = DpiAwareness::Unaware;
  threads_.clear();
}

}  // namespace platform
