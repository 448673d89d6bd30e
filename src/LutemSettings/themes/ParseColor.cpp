#include "themes/ParseColor.h"

#include "common/ColorComponentByte.h"

std::optional<uint32_t> ParseColor(const nlohmann::json& value) {
  if (!value.is_array() || value.size() < 3) return std::nullopt;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  if (!ColorComponentByte(value[0], &red) || !ColorComponentByte(value[1], &green) ||
      !ColorComponentByte(value[2], &blue))
    return std::nullopt;
  return 0xFF000000u | uint32_t{red} << 16 | uint32_t{green} << 8 | blue;
}
