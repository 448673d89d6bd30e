#include "themes/ParseThemeListColor.h"

#include "common/ColorComponentByte.h"

std::optional<uint32_t> ParseThemeListColor(const nlohmann::json& value) {
  if (!value.is_array() || value.size() < 3) return std::nullopt;
  return OpaqueColorOfFirstThree(value);
}
