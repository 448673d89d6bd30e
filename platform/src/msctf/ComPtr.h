// An owning interface pointer for the stand-in's own bookkeeping: one
// reference held while it points at an object.
#pragma once

#include <utility>

namespace platform {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a reference of its own.
  ComPtr(T* object) : p_(object) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ~ComPtr() { Reset(); }

  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  // Takes over a reference the caller already holds.
  static ComPtr Adopt(T* object) {
    ComPtr result;
    result.p_ = object;
    return result;
  }

  void Reset() {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }
  // Hands the reference to the caller.
  T* Detach() { return std::exchange(p_, nullptr); }
  // For an out-parameter: drops what is held and lets the callee store one.
  T** Receive() {
    Reset();
    return &p_;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// Copies an interface pointer into an out-parameter with a reference for the
// caller.
template <class T, class Out>
void HandOut(T* object, Out** out) {
  if (object) object->AddRef();
  *out = object;
}

}  // namespace platform
