#include "conversion/LutemPhoneticScheme.h"

LutemPhoneticScheme::LutemPhoneticScheme() {
  BuildTables();
  // The vowel-sign table has "ee" for ী, but without an independent form the
  // token would fall through and print the Latin letters; "ee" reads as "I".
  AddVowelAlias("ee", "I");
  BuildKeyIndex();
}

void LutemPhoneticScheme::BuildTables() { FillTables(LutemPhoneticRows()); }
