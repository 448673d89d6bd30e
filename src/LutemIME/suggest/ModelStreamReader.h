#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads the fields of the library's binary FST stream from bytes in memory
// (native byte order, as the library writes them), never past their end. A
// length or count read from the stream is only as good as the bytes left
// behind it, so every read that would run past the end fails instead.
class ModelStreamReader {
 public:
  explicit ModelStreamReader(std::string_view bytes) : bytes_(bytes) {}

  size_t remaining() const { return bytes_.size() - pos_; }
  size_t position() const { return pos_; }

  bool ReadInt32(int32_t* value) { return ReadRaw(value, sizeof *value); }
  bool ReadInt64(int64_t* value) { return ReadRaw(value, sizeof *value); }
  bool ReadFloat(float* value) { return ReadRaw(value, sizeof *value); }
  // A string: its int32 length, then that many bytes.
  bool ReadString(std::string_view* text);
  // True when at least count records of recordSize bytes could still follow;
  // a negative count is never possible.
  bool CouldHold(int64_t count, size_t recordSize) const {
    return count >= 0 && static_cast<uint64_t>(count) <= remaining() / recordSize;
  }

 private:
  bool ReadRaw(void* out, size_t size);

  std::string_view bytes_;
  size_t pos_ = 0;
};
