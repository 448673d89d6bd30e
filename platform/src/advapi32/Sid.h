#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace platform {

// "S-1-5-21-..." as the binary SID it stands for; empty when malformed.
std::vector<BYTE> SidFromString(const std::string& text);
// The string form of a valid binary SID.
std::string SidToString(const SID* sid);

// Well-known groups a token may match in an access check.
constexpr const char* kEveryoneSid = "S-1-1-0";
constexpr const char* kAllApplicationPackagesSid = "S-1-15-2-1";

}  // namespace platform
