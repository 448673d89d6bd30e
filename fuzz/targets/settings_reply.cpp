// The "LOAD_ALL" reply as the input method reads it: any text parses into
// keys and values that the protocol's separators cannot be part of, every
// value reads as a number or as none without a crash, and applying them
// sets a numeric setting to a number it can hold (its default for one it
// cannot) and keeps it for anything else; every setting stays in its range.
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
  // A layout 1 to 8 replaces the setting, another number gives the default,
  // anything else keeps it.
  const auto layout = pairs.find(u"CurrentLayout");
  int32_t expected = layoutBefore;
  if (layout != pairs.end() && !layout->second.empty()) {
    if (const auto number = ReadSettingsNumber(layout->second))
      expected = *number >= 1 && *number <= 8 ? static_cast<int32_t>(*number) : 2;
  }
  FUZZ_CHECK(CurrentLayout == expected);
  FUZZ_CHECK(CurrentLayout >= 1 && CurrentLayout <= 8);
  FUZZ_CHECK(CurrentEncoding == 0 || CurrentEncoding == 1);
  FUZZ_CHECK(CandidateWindow <= 1 && SmartCorrection <= 1 && SaveCandidates <= 1);
  return 0;
}
