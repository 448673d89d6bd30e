#pragma once

#include "conversion/PhoneticScheme.h"

// "Lutem Phonetic" (layout 1, and every layout number outside 2 to 8).
class LutemPhoneticScheme : public PhoneticScheme {
 public:
  LutemPhoneticScheme();
  void BuildTables();
};
