#pragma once

#include "service/module/CDisplayAttributeInfo.h"

// The attribute of text being composed (the one the composition applies).
class CDisplayAttributeInfoInput final : public CDisplayAttributeInfo {
 public:
  CDisplayAttributeInfoInput();
};
