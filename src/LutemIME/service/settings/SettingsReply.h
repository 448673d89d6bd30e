#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The "LOAD_ALL" reply: pieces cut at ';', each split at its first '=' into
// key and value. Pieces without '=' or with an empty key are skipped; a later
// key replaces an earlier one. Nothing is trimmed.
std::map<std::u16string, std::u16string> ParseSettingsReply(std::u16string_view reply);

// A setting's number, read the way wcstoul reads base 10 (leading blanks, one
// sign, digits up to the first non-digit, "-" negating modulo 2^32). No digit,
// or a value beyond 32 bits, is not a number.
std::optional<uint32_t> ReadSettingsNumber(std::u16string_view value);

// Stores the parsed keys with a non-empty value into the process-wide
// settings; a numeric key whose value is not a number keeps its setting.
// The refresh passes applySaveCandidates = false.
void ApplySettings(const std::map<std::u16string, std::u16string>& pairs,
                   bool applySaveCandidates);
