#pragma once

#include <cstdint>
#include <string_view>

// Edit distance over bytes (insertion, deletion and substitution cost 1), so
// two Bengali letters that differ only in their last UTF-8 byte are 1 apart.
int32_t ByteLevenshteinDistance(std::string_view a, std::string_view b);

// The same distance when it is at most limit (limit >= 0), else limit + 1,
// found without filling the cells that cannot stay within limit. The
// fallback search needs only this, for thousands of words per query.
int32_t BoundedByteLevenshteinDistance(std::string_view a, std::string_view b, int32_t limit);
