#include "conversion/AvroPhoneticScheme.h"

AvroPhoneticScheme::AvroPhoneticScheme() {
  BuildTables();
  BuildKeyIndex();
}

void AvroPhoneticScheme::BuildTables() { FillTables(AvroPhoneticRows()); }
