// The stand-in's side of the failure switches (host/FailureSwitch.h).
#pragma once

#include <string>

namespace platform {

// Counts one call of name and says whether it must fail. A call that has a
// qualifier checks both names: ShouldFail("CoCreateInstance", "CLSID_X")
// counts "CoCreateInstance" and "CoCreateInstance:CLSID_X" and fails when
// either is switched.
bool ShouldFail(const std::string& name, const std::string& qualifier = std::string());

}  // namespace platform
