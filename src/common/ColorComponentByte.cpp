#include "common/ColorComponentByte.h"

#include <cmath>

namespace {

// The low 8 bits of the truncated value, the same for numbers within the
// 32-bit range as a conversion to int would give, and defined beyond it.
uint8_t LowByteOfTruncated(double value) {
  if (!std::isfinite(value)) return 0;
  double low = std::fmod(std::trunc(value), 256.0);
  if (low < 0) low += 256.0;
  return static_cast<uint8_t>(low);
}

}  // namespace

bool ColorComponentByte(const nlohmann::json& value, uint8_t* byte) {
  if (value.is_boolean()) {
    *byte = value.get<bool>() ? 1 : 0;
  } else if (value.is_number_unsigned()) {
    *byte = static_cast<uint8_t>(value.get<uint64_t>());
  } else if (value.is_number_integer()) {
    *byte = static_cast<uint8_t>(static_cast<uint64_t>(value.get<int64_t>()));
  } else if (value.is_number_float()) {
    *byte = LowByteOfTruncated(value.get<double>());
  } else {
    return false;
  }
  return true;
}

std::optional<uint32_t> OpaqueColorOfFirstThree(const nlohmann::json& array) {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  if (!ColorComponentByte(array[0], &red) || !ColorComponentByte(array[1], &green) ||
      !ColorComponentByte(array[2], &blue))
    return std::nullopt;
  return 0xFF000000u | uint32_t{red} << 16 | uint32_t{green} << 8 | blue;
}
