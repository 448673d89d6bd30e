// One interface of a stand-in object whose other interfaces live in another
// C++ object: its IUnknown methods are the owner's, so QueryInterface from
// any of them reaches the same set and one count keeps the whole alive, as
// COM's identity rules want.
#pragma once

#include "Platform.h"

namespace platform {

template <class Interface>
class AggregatedInterface : public Interface {
 public:
  explicit AggregatedInterface(IUnknown& owner) : owner_(owner) {}
  AggregatedInterface(const AggregatedInterface&) = delete;
  AggregatedInterface& operator=(const AggregatedInterface&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    return owner_.QueryInterface(riid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

 protected:
  ~AggregatedInterface() = default;
  IUnknown& owner() const { return owner_; }

 private:
  IUnknown& owner_;
};

}  // namespace platform
