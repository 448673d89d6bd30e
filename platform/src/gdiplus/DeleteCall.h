// The GdipDelete... calls: each frees one object of its own kind.
#pragma once

#include "gdiplus/FlatCall.h"
#include "gdiplus/ObjectRegistry.h"

namespace platform {

template <typename T>
Gdiplus::Status DeleteCall(const char* name, const void* object) {
  FlatCall call(name);
  call.record.object = reinterpret_cast<uintptr_t>(object);
  return call.Run([&] {
    return ObjectRegistry::Instance().Remove<T>(object) ? Gdiplus::Ok : Gdiplus::InvalidParameter;
  });
}

}  // namespace platform
