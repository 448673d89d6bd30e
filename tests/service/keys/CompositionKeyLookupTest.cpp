#include <gtest/gtest.h>

#include "service/keys/KeyFixture.h"

namespace {

const ModifierKeysDown kNone{false, false, false};
const ModifierKeysDown kShift{false, false, true};
const ModifierKeysDown kCtrl{false, true, false};

using CompositionKeyLookup = KeyFixture;

TEST_F(CompositionKeyLookup, BuiltInKeysWithAndWithoutShift) {
  struct Case {
    const char* name;
    ModifierKeysDown held;
    UINT heldKey;
    UINT code;
    UINT filter;
    BOOL found;
  } cases[] = {
      {"a", kNone, 0, 'A', FunctionNone, TRUE},
      {"Shift+A", kShift, VK_SHIFT, 'A', FunctionNone, TRUE},
      {"Ctrl+A", kCtrl, VK_CONTROL, 'A', FunctionNone, FALSE},
      {"2", kNone, 0, '2', FunctionNone, TRUE},
      {"Shift+2 is the application's", kShift, VK_SHIFT, '2', FunctionNone, FALSE},
      {"Shift+3 is the application's", kShift, VK_SHIFT, '3', FunctionNone, FALSE},
      {"Shift+1", kShift, VK_SHIFT, '1', FunctionNone, TRUE},
      {"Shift+0", kShift, VK_SHIFT, '0', FunctionNone, TRUE},
      {"the OEM keys", kNone, 0, VK_OEM_2, FunctionNone, TRUE},
      {"filtered to input", kNone, 0, 'A', FunctionInput, TRUE},
      {"filtered to another function", kNone, 0, 'A', FunctionConvert, FALSE},
      {"not a composition key", kNone, 0, 0x70, FunctionNone, FALSE},
  };
  for (const Case& c : cases) {
    CurrentModifiers = 0;
    Hold(c.held, c.heldKey);
    KeystrokeState state{99, 99};
    EXPECT_EQ(engine.FindCompositionKey(c.code, &state, c.filter), c.found) << c.name;
    const KeystrokeState expected =
        c.found ? KeystrokeState{CategoryComposing, FunctionInput} : KeystrokeState{0, 0};
    EXPECT_EQ(state, expected) << c.name;
  }
  EXPECT_FALSE(engine.FindCompositionKey('A', nullptr, FunctionNone));
}

TEST_F(CompositionKeyLookup, LabelKeysSelectOnlyWhileAListIsShown) {
  struct Case {
    const char* name;
    std::u16string keys;
    UINT code;
    UINT mode;
    bool shiftDown;
    uint32_t bar;
    BOOL selects;
  } cases[] = {
      {"3 selects the third", u"ami", '3', CandidateModeIncremental, false, 1, TRUE},
      {"numpad 3 as well", u"ami", VK_NUMPAD3, CandidateModeIncremental, false, 1, TRUE},
      {"in the conversion list", u"ami", '7', CandidateModeConvert, false, 1, TRUE},
      {"8 is no label", u"ami", '8', CandidateModeIncremental, false, 1, FALSE},
      {"nor is 0", u"ami", VK_NUMPAD0, CandidateModeIncremental, false, 1, FALSE},
      {"no list", u"ami", '3', CandidateModeNone, false, 1, FALSE},
      {"Shift held", u"ami", '3', CandidateModeIncremental, true, 1, FALSE},
      {"the suggestion bar off", u"ami", '3', CandidateModeIncremental, false, 0, FALSE},
      {"a number being typed", u"12", '3', CandidateModeIncremental, false, 1, FALSE},
      {"a date being typed", u"1/2-3.4", '3', CandidateModeIncremental, false, 1, FALSE},
      {"digits after letters", u"a1", '3', CandidateModeIncremental, false, 1, TRUE},
      {"nothing typed", u"", '3', CandidateModeIncremental, false, 1, TRUE},
  };
  for (const Case& c : cases) {
    Keys(c.keys);
    CandidateWindow = c.bar;
    KeystrokeState state{99, 99};
    EXPECT_EQ(engine.IsCandidateSelectKey(c.code, &state, c.mode, c.shiftDown), c.selects) << c.name;
    if (c.selects) {
      EXPECT_EQ(state, (KeystrokeState{CategoryCandidate, FunctionSelectByNumber})) << c.name;
    }
  }
  Keys(u"ami");
  CandidateWindow = 1;
  EXPECT_FALSE(engine.IsCandidateSelectKey('3', nullptr, CandidateModeIncremental, false));
}

}  // namespace
