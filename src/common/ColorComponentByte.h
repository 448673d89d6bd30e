#pragma once

#include <cstdint>
#include <optional>

#include <nlohmann/json.hpp>

// One element of a theme colour array [red, green, blue] as its byte: an
// integer gives its low 8 bits (300 gives 0x2C, -1 gives 0xFF); a
// floating-point number is truncated toward zero and its low 8 bits taken
// (12.9 gives 0x0C), whatever its size (1e20 gives 0x00, where a conversion
// to a 32-bit integer would be undefined); true is 1 and false 0. False for
// any other kind of value.
bool ColorComponentByte(const nlohmann::json& value, uint8_t* byte);

// The first three elements of an array of at least three, red, green and
// blue, each by the rule above, as an opaque colour 0xFFRRGGBB; nothing
// when one of them is neither a number nor a boolean.
std::optional<uint32_t> OpaqueColorOfFirstThree(const nlohmann::json& array);
