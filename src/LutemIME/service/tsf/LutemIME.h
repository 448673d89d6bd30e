#pragma once

#include "Platform.h"

// The text service object. Only its creator exists so far: the class
// factory's CreateInstance hands over to it.
class LutemIME {
 public:
  // Not built yet: every request fails with E_NOTIMPL (and CLASS_E_NOAGGREGATION
  // for an outer object), leaving *ppvObject NULL.
  static HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject);
};
