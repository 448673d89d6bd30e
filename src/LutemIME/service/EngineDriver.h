#pragma once

#include <string_view>

#include "service/CCompositionProcessorEngine.h"

// Drives an engine as a composition does, for the tools, tests and
// benchmarks that have no text service around it: the key buffer replaced,
// the whole buffer converted again, the candidate list rebuilt.
class EngineDriver {
 public:
  // Replaces the key buffer (an empty view ends the composition: {0, null}).
  static void SetKeys(CCompositionProcessorEngine& engine, std::u16string_view keys);
  // Replaces convertedText with the conversion of the key buffer, or with
  // null when the buffer is empty.
  static void Convert(CCompositionProcessorEngine& engine);
  // SetKeys, Convert and BuildCandidateList into list.
  static void Type(CCompositionProcessorEngine& engine, std::u16string_view keys,
                   LutemIMEArray<CCandidateListItem>* list);
};
