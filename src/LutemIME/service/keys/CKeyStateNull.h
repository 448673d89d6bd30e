#pragma once

#include "service/keys/CKeyStateCategory.h"

// Category none: a key that needs nothing; every handler is E_NOTIMPL.
class CKeyStateNull final : public CKeyStateCategory {
 public:
  using CKeyStateCategory::CKeyStateCategory;
};
