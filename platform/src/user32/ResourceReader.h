// Reads the little-endian fields of a resource (menu templates, icon
// directories) without ever stepping past its end: a read beyond the end
// gives 0 and marks the reader failed.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

#include "Platform.h"

namespace platform {

class ResourceReader {
 public:
  ResourceReader(const void* data, size_t size)
      : data_(static_cast<const BYTE*>(data)), size_(size) {}

  bool Ok() const { return ok_; }
  size_t Position() const { return position_; }
  void Seek(size_t position) {
    if (position > size_) ok_ = false;
    else position_ = position;
  }
  // To the next multiple of four from the start.
  void AlignToDword() { Seek((position_ + 3) & ~static_cast<size_t>(3)); }

  BYTE Byte() { return Read<BYTE>(); }
  WORD Word() { return Read<WORD>(); }
  DWORD Dword() { return Read<DWORD>(); }
  // A NUL-terminated UTF-16 string; the NUL is consumed.
  std::u16string String() {
    std::u16string text;
    for (;;) {
      WORD unit = Word();
      if (!ok_ || unit == 0) return text;
      text.push_back(static_cast<char16_t>(unit));
    }
  }

 private:
  template <typename T>
  T Read() {
    T value{};
    if (!ok_ || size_ - position_ < sizeof(T)) {
      ok_ = false;
      return value;
    }
    std::memcpy(&value, data_ + position_, sizeof(T));
    position_ += sizeof(T);
    return value;
  }

  const BYTE* data_;
  size_t size_;
  size_t position_ = 0;
  bool ok_ = true;
};

}  // namespace platform
