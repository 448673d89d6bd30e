// The reference count every COM object of the stand-in's TSF keeps: one
// AddRef and Release for all the interfaces the object derives from, and
// QueryInterface's common ending. Counts are atomic, as an object may be
// released on another thread than the one that made it.
#pragma once

#include <atomic>

#include "Platform.h"

namespace platform {

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // QueryInterface's end: found (the interface pointer, or null for one the
  // object lacks) goes to *object with a reference.
  HRESULT Answer(void* found, void** object) {
    *object = found;
    if (found == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }

 private:
  std::atomic<ULONG> refs_{1};
};

}  // namespace platform
