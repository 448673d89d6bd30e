#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small text rules of the server's protocol.
namespace RequestText {

// The longest reply a client can read whole (2046 bytes).
constexpr size_t kMaxReplyUnits = 1023;

// True when every surrogate is part of a pair.
bool IsWellFormedUtf16(std::u16string_view text);
// Strict unsigned decimal: one to ten digits, at most 4294967295.
bool ParseUnsigned(std::u16string_view text, uint32_t& value);
std::u16string FormatUnsigned(uint64_t value);

}  // namespace RequestText
