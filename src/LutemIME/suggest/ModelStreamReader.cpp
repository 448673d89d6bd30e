#include "suggest/ModelStreamReader.h"

#include <cstring>

bool ModelStreamReader::ReadRaw(void* out, size_t size) {
  if (remaining() < size) return false;
  std::memcpy(out, bytes_.data() + pos_, size);
  pos_ += size;
  return true;
}

bool ModelStreamReader::ReadString(std::string_view* text) {
  int32_t length = 0;
  if (!ReadInt32(&length) || !CouldHold(length, 1)) return false;
  *text = bytes_.substr(pos_, static_cast<size_t>(length));
  pos_ += static_cast<size_t>(length);
  return true;
}
