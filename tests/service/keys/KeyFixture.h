#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/keys/ModifierKeys.h"
#include "service/settings/ProcessSettings.h"

// An engine set up as a profile initialisation leaves it (every built-in
// composition key, the labels 1 to 7), with the process-wide settings and
// modifier record each test changes put back afterwards.
class KeyFixture : public ::testing::Test {
 protected:
  KeyFixture() {
    for (const _KEYSTROKE& key : engine.keystrokeTable)
      if (key.virtualKey != 0) *engine.compositionKeys.Append() = key;
    for (unsigned long label = 1; label <= 7; ++label) *engine.candidateLabels.Append() = label;
    CurrentModifiers = 0;
    CandidateWindow = 1;
  }
  ~KeyFixture() override {
    CurrentModifiers = savedModifiers_;
    CandidateWindow = savedCandidateWindow_;
  }

  void Keys(std::u16string_view keys) { EngineDriver::SetKeys(engine, keys); }

  // The key sink's modifier tracking for a key-down with the given keys held.
  static void Hold(ModifierKeysDown down, UINT vk = 0, LPARAM lParam = 0) {
    TrackModifierKeys(down, vk, lParam);
  }

  CCompositionProcessorEngine engine;

 private:
  uint16_t savedModifiers_ = CurrentModifiers;
  uint32_t savedCandidateWindow_ = CandidateWindow;
};
