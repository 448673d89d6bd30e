#pragma once

#include <cstdint>
#include <string_view>

// Edit distance over bytes (insertion, deletion and substitution cost 1), so
// two Bengali letters that differ only in their last UTF-8 byte are 1 apart.
int32_t ByteLevenshteinDistance(std::string_view a, std::string_view b);

