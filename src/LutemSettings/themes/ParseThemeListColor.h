#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>

// One colour of a theme by the settings program's rule: an array of at
// least three elements, red, green and blue first (further elements are
// ignored), each converted to a byte as ColorComponentByte does, gives
// 0xFF000000 | red << 16 | green << 8 | blue. Nothing for any other value,
// a shorter array, or an element that is neither a number nor a boolean.
std::optional<uint32_t> ParseThemeListColor(const nlohmann::json& value);
