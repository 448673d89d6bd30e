#pragma once

#include <string_view>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"

// The tests' window into an engine: its user-dictionary lock, and a way to
// set the key buffer and converted text as a composition leaves them without
// running a conversion (so every layout number can be tested in any build).
class CCompositionProcessorEngineAccess {
 public:
  static CRITICAL_SECTION* Lock(CCompositionProcessorEngine& engine) {
    return &engine.userDictionaryLock;
  }

  static void Compose(CCompositionProcessorEngine& engine, std::u16string_view keys,
                      const WCHAR* converted) {
    EngineDriver::SetKeys(engine, keys);
    WCHAR* copy = nullptr;
    if (converted != nullptr) {
      std::u16string_view text(AsChar16(converted));
      copy = new WCHAR[text.size() + 1];
      text.copy(AsChar16(copy), text.size());
      copy[text.size()] = 0;
    }
    delete[] engine.convertedText;
    engine.convertedText = copy;
  }
};
