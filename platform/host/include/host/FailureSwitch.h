// Making a host call fail on purpose, so that tests can reach the failure
// paths of the product: "fail the Nth call of X". X names the Windows call,
// optionally narrowed by a qualifier that the call's implementation chooses
// (for instance "CoCreateInstance" or "CoCreateInstance:CLSID_TF_CategoryMgr";
// each implementation documents the names it checks). Switches are
// process-wide and apply to calls on any thread.
#pragma once

#include <string>

namespace host {

// The nth call (1 = the next one) of name fails, and so do the count - 1
// calls after it (count 0: every call from the nth on).
void FailCall(const std::string& name, int nth = 1, int count = 1);
// Removes every switch.
void ClearFailures();
// How many calls of name were made since the switch was set (or the last
// ClearFailures), whether they failed or not; for tests that step through
// every call of a sequence.
int CallCount(const std::string& name);

}  // namespace host
