#pragma once

#include "conversion/PhoneticScheme.h"

// "Avro Phonetic" (layout 3): the Lutem Phonetic algorithm with its own tables.
class AvroPhoneticScheme : public PhoneticScheme {
 public:
  AvroPhoneticScheme();
  void BuildTables();
};
