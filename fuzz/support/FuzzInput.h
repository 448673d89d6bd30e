#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// The fuzzer's bytes taken apart front to back: a few leading bytes choose
// what to do, the rest is the data. Running out gives zeros and empty
// strings, never an error, so that every input means something.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}

  bool Empty() const { return bytes_.empty(); }

  uint8_t TakeByte() {
    if (bytes_.empty()) return 0;
    const uint8_t b = static_cast<uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return b;
  }
  // Up to n bytes.
  std::string_view Take(size_t n) {
    const std::string_view taken = bytes_.substr(0, n);
    bytes_.remove_prefix(taken.size());
    return taken;
  }
  // Up to the next NUL (dropped) or the end.
  std::string_view TakeUntilNul() {
    const size_t nul = bytes_.find('\0');
    const std::string_view taken = bytes_.substr(0, nul);
    bytes_.remove_prefix(nul == std::string_view::npos ? bytes_.size() : nul + 1);
    return taken;
  }
  std::string_view Rest() {
    const std::string_view rest = bytes_;
    bytes_ = {};
    return rest;
  }
  // The rest as UTF-16 units, two bytes each, low byte first (an odd last
  // byte is dropped).
  std::u16string RestAsUnits() {
    std::u16string units;
    const std::string_view rest = Rest();
    for (size_t i = 0; i + 1 < rest.size(); i += 2)
      units.push_back(static_cast<char16_t>(static_cast<uint8_t>(rest[i]) |
                                            static_cast<uint8_t>(rest[i + 1]) << 8));
    return units;
  }

 private:
  std::string_view bytes_;
};

// A property every input must keep: a broken one ends the run the way a
// sanitizer finding does, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                              \
  do {                                                                                     \
    if (!(condition)) {                                                                    \
      std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                        \
    }                                                                                      \
  } while (0)
