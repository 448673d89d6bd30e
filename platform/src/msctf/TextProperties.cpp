#include "msctf/TextProperties.h"

#include <algorithm>

namespace platform {

bool operator==(const PropertyValue& a, const PropertyValue& b) {
  return a.type == b.type && (a.type == VT_EMPTY || a.value == b.value);
}

void TextProperties::Replace(LONG start, LONG end, LONG inserted) {
  for (Column& column : columns_) {
    auto& values = column.values;
    values.erase(values.begin() + start, values.begin() + end);
    values.insert(values.begin() + start, static_cast<size_t>(inserted), PropertyValue{});
  }
  length_ += inserted - (end - start);
}

void TextProperties::Set(REFGUID property, LONG start, LONG end, PropertyValue value) {
  Column* column = Find(property);
  if (column == nullptr) {
    if (value.type == VT_EMPTY) return;
    columns_.push_back(Column{property, std::vector<PropertyValue>(static_cast<size_t>(length_))});
    column = &columns_.back();
  }
  std::fill(column->values.begin() + start, column->values.begin() + end, value);
}

PropertyValue TextProperties::Get(REFGUID property, LONG index) const {
  const Column* column = Find(property);
  if (column == nullptr || index < 0 || index >= length_) return PropertyValue{};
  return column->values[static_cast<size_t>(index)];
}

const PropertyValue* TextProperties::Values(REFGUID property) const {
  const Column* column = Find(property);
  return column == nullptr ? nullptr : column->values.data();
}

std::vector<GUID> TextProperties::Guids() const {
  std::vector<GUID> guids;
  for (const Column& column : columns_) guids.push_back(column.property);
  return guids;
}

TextProperties::Column* TextProperties::Find(REFGUID property) {
  for (Column& column : columns_) {
    if (IsEqualGUID(column.property, property)) return &column;
  }
  return nullptr;
}

const TextProperties::Column* TextProperties::Find(REFGUID property) const {
  return const_cast<TextProperties*>(this)->Find(property);
}

}  // namespace platform
