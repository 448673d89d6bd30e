// The "LOAD_ALL" reply as the input method reads it: any text parses into
// keys and values that the protocol's separators cannot be part of, every
// value reads as a number or as none without a crash, and applying them
// sets a numeric setting to a number and keeps it for anything else.
//
// Input: one byte (whether the save-candidates flag is applied), then the
// reply as UTF-16 units.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "service/settings/ProcessSettings.h"
#include "service/settings/SettingsReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const bool applySaveCandidates = (in.TakeByte() & 1) != 0;
  const std::u16string reply = in.RestAsUnits();

  const auto pairs = ParseSettingsReply(reply);
  for (const auto& [key, value] : pairs) {
    FUZZ_CHECK(!key.empty());
    FUZZ_CHECK(key.find(u';') == std::u16string::npos && key.find(u'=') == std::u16string::npos);
    FUZZ_CHECK(value.find(u';') == std::u16string::npos);
    ReadSettingsNumber(value);
  }
  const int32_t layoutBefore = CurrentLayout;
  ApplySettings(pairs, applySaveCandidates);
  // A number replaces the setting, anything else keeps it.
  const auto layout = pairs.find(u"CurrentLayout");
  if (layout != pairs.end() && !layout->second.empty()) {
    const auto number = ReadSettingsNumber(layout->second);
    FUZZ_CHECK(CurrentLayout == (number ? static_cast<int32_t>(*number) : layoutBefore));
  } else {
    FUZZ_CHECK(CurrentLayout == layoutBefore);
  }
  FUZZ_CHECK(CandidateWindow == 0 || CandidateWindow == 1);
  return 0;
}
