#pragma once

#include <string>
#include <string_view>

// UTF-16 <-> UTF-8 through the platform's CP_UTF8 conversion. An empty input,
// or one the platform refuses, gives an empty result.
std::string WideToUtf8(std::u16string_view text);
std::u16string Utf8ToWide(std::string_view text);

// True when WideToUtf8 and Utf8ToWide give text back unit for unit: UTF-8 is
// exact for every well-formed UTF-16 text, so only an unpaired surrogate
// (which the conversion writes as U+FFFD) or a text too long to convert
// comes back otherwise.
bool RoundTripsThroughUtf8(std::u16string_view text);
