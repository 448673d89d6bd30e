#pragma once

#include <string>
#include <vector>

#include "TsfCallRecorder.h"

// What the recorded sink calls say about an activation and its undoing.

// The first advise that TSF refused; null when none was.
const TsfCallRecorder::Call* FirstRefusedAdvise(const std::vector<TsfCallRecorder::Call>& calls);

// The sinks advised and not removed again afterwards: one description per
// advise that succeeded without a later successful unadvise of the same
// cookie (or client id and interface).
std::vector<std::string> SinksLeftAdvised(const std::vector<TsfCallRecorder::Call>& calls);

// The interfaces of the advises that succeeded, in order.
std::vector<std::string> SinksAdvised(const std::vector<TsfCallRecorder::Call>& calls);
