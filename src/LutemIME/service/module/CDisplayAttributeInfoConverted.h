#pragma once

#include "service/module/CDisplayAttributeInfo.h"

// The attribute of converted text (offered to TSF; nothing applies it).
class CDisplayAttributeInfoConverted final : public CDisplayAttributeInfo {
 public:
  CDisplayAttributeInfoConverted();
};
