#pragma once

#include <string>
#include <string_view>

// UTF-16 <-> UTF-8 through the platform's CP_UTF8 conversion. An empty input,
// or one the platform refuses, gives an empty result.
std::string WideToUtf8(std::u16string_view text);
std::u16string Utf8ToWide(std::string_view text);
