#include "common/FailureSwitch.h"

#include <map>
#include <mutex>

#include "host/FailureSwitch.h"

namespace {

struct Switch {
  int nth = 0;
  int count = 0;
};

struct Switches {
  std::mutex lock;
  std::map<std::string, Switch> armed;
  std::map<std::string, int> calls;
};

Switches& State() {
  static Switches* state = new Switches;  // used until the process ends
  return *state;
}

// Counts the call; true when it falls in the armed window.
bool CountAndCheck(Switches& state, const std::string& name) {
  int call = ++state.calls[name];
  auto found = state.armed.find(name);
  if (found == state.armed.end()) return false;
  const Switch& s = found->second;
  if (call < s.nth) return false;
  return s.count == 0 || call < s.nth + s.count;
}

}  // namespace

namespace host {

void FailCall(const std::string& name, int nth, int count) {
  Switches& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  state.calls[name] = 0;
  state.armed[name] = Switch{nth < 1 ? 1 : nth, count < 0 ? 0 : count};
}

void ClearFailures() {
  Switches& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  state.armed.clear();
  state.calls.clear();
}

int CallCount(const std::string& name) {
  Switches& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  auto found = state.calls.find(name);
  return found == state.calls.end() ? 0 : found->second;
}

}  // namespace host

namespace platform {

bool ShouldFail(const std::string& name, const std::string& qualifier) {
  Switches& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  bool fail = CountAndCheck(state, name);
  if (!qualifier.empty() && CountAndCheck(state, name + ":" + qualifier)) fail = true;
  return fail;
}

}  // namespace platform
