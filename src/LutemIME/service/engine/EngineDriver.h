#pragma once

#include <string_view>

#include "service/engine/CCompositionProcessorEngine.h"

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
  // Starts the engine's dictionary thread and waits until it has finished
  // and the process's loaders have settled (Ready or Failed), so that every
  // list built afterwards sees the data it will ever see. False when the
  // thread could not be started.
  static bool LoadDictionaries(CCompositionProcessorEngine& engine);
  // SetKeys, Convert and BuildCandidateList into list.
  static void Type(CCompositionProcessorEngine& engine, std::u16string_view keys,
                   LutemIMEArray<CCandidateListItem>* list);
};
