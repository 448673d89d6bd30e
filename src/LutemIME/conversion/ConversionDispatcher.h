#pragma once

#include <string>
#include <string_view>

#include "conversion/AvroPhoneticScheme.h"
#include "conversion/KhiproScheme.h"
#include "conversion/LowercaseScheme.h"
#include "conversion/LutemPhoneticScheme.h"

// The one door into the conversion engine: converts a whole key buffer for a
// layout number and output encoding. Holds the table-driven scheme objects,
// built in its constructor; every conversion starts from the first key and
// remembers nothing.
class ConversionDispatcher {
 public:
  ConversionDispatcher() = default;
  ConversionDispatcher(const ConversionDispatcher&) = delete;
  ConversionDispatcher& operator=(const ConversionDispatcher&) = delete;

  // layout: 1..8, anything else is layout 1. encoding: 1 is ANSI, else Unicode.
  std::u16string Convert(std::u16string_view keys, int layout, int encoding) const;

  const LutemPhoneticScheme& lutemPhonetic() const { return lutemPhonetic_; }
  const AvroPhoneticScheme& avroPhonetic() const { return avroPhonetic_; }
  const LowercaseScheme& lowercase() const { return lowercase_; }
  const KhiproScheme& khipro() const { return khipro_; }

 private:
  std::u16string ConvertToWide(std::u16string_view keys, int layout) const;
  std::string ConvertToUtf8(std::u16string_view keys, int layout) const;

  // Construction order is part of the engine's start-up.
  LutemPhoneticScheme lutemPhonetic_;
  LowercaseScheme lowercase_;
  AvroPhoneticScheme avroPhonetic_;
  KhiproScheme khipro_;
};
