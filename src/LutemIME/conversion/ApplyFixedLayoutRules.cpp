#include "conversion/ApplyFixedLayoutRules.h"

#include "conversion/FixedLayoutRules.h"
#include "conversion/JatiyoRules.h"
#include "conversion/ProbhatRules.h"

std::u16string ApplyFixedLayoutRules(std::u16string_view keys, int layout) {
  switch (layout) {
    case 4:
      return FixedLayoutRules().Apply(keys);
    case 5:
      return JatiyoModifiedRules().Apply(keys);
    case 6:
      return ProbhatRules().Apply(keys);
    case 7:
      return JatiyoRules().Apply(keys);
    default:
      return std::u16string(keys);
  }
}
