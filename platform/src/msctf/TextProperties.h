// The values of a document's properties (ITfProperty), kept per UTF-16
// unit: one column of values per property GUID, as long as the text. A
// replaced stretch loses its values and new text starts without any, so a
// property spans exactly the text it was set on until that text goes.
// Values are VT_I4 numbers; VT_EMPTY is "no value".
#pragma once

#include <vector>

#include "Platform.h"

namespace platform {

struct PropertyValue {
  VARTYPE type = VT_EMPTY;
  LONG value = 0;
};
bool operator==(const PropertyValue& a, const PropertyValue& b);
inline bool operator!=(const PropertyValue& a, const PropertyValue& b) { return !(a == b); }

// A stretch of uniform value.
struct PropertyRun {
  LONG start;
  LONG end;
  PropertyValue value;
};

class TextProperties {
 public:
  // The text's [start, end) became inserted units.
  void Replace(LONG start, LONG end, LONG inserted);
  void Set(REFGUID property, LONG start, LONG end, PropertyValue value);
  PropertyValue Get(REFGUID property, LONG index) const;
  // The property's value per unit (as many as the text), null when it was
  // never given one.
  const PropertyValue* Values(REFGUID property) const;
  // The properties that were ever given a value.
  std::vector<GUID> Guids() const;

 private:
  struct Column {
    GUID property;
    std::vector<PropertyValue> values;
  };
  Column* Find(REFGUID property);
  const Column* Find(REFGUID property) const;

  std::vector<Column> columns_;
  LONG length_ = 0;
};

}  // namespace platform
