#pragma once

#include "Platform.h"

// One reference on a COM interface, released when the holder goes: the
// text service takes ranges, properties and views in every edit session, and
// each early return must give them back.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  // Takes over the reference that comes with pointer.
  explicit ComRef(Interface* pointer) : pointer_(pointer) {}
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef(ComRef&& other) noexcept : pointer_(other.pointer_) { other.pointer_ = nullptr; }
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = other.pointer_;
      other.pointer_ = nullptr;
    }
    return *this;
  }

  // A reference of its own on pointer (may be null).
  static ComRef Share(Interface* pointer) {
    if (pointer != nullptr) pointer->AddRef();
    return ComRef(pointer);
  }
  // pointer's interface riid, or nothing.
  static ComRef Query(IUnknown* object, REFIID riid) {
    ComRef found;
    if (object != nullptr &&
        FAILED(object->QueryInterface(riid, reinterpret_cast<void**>(found.Receive()))))
      found.Reset();
    return found;
  }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For an out-parameter: what was held is released first.
  Interface** Receive() {
    Reset();
    return &pointer_;
  }
  void Reset() {
    if (pointer_ != nullptr) {
      Interface* going = pointer_;
      pointer_ = nullptr;
      going->Release();
    }
  }

 private:
  Interface* pointer_ = nullptr;
};
