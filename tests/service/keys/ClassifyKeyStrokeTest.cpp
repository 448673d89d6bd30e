#include <gtest/gtest.h>

#include <string>

#include "service/keys/ClassifyKeyStroke.h"
#include "service/keys/KeyFixture.h"

namespace {

constexpr UINT kF1 = 0x70;
constexpr WCHAR kShiftMarker = 0xF8FE;
const ModifierKeysDown kNone{false, false, false};
const ModifierKeysDown kShift{false, false, true};
const ModifierKeysDown kCtrl{false, true, false};

const KeystrokeState kNothing{CategoryNone, FunctionNone};
const KeystrokeState kInput{CategoryComposing, FunctionInput};
const KeystrokeState kPassOn{CategoryPassThrough, FunctionFinalize};

class ClassifyKeyStrokeTest : public KeyFixture {
 protected:
  // A key-down on an open keyboard in layout 1, as the key sink sees it.
  KeyStrokeFacts Key(UINT vk, WCHAR ch, UINT mode = CandidateModeNone, bool composing = false) {
    KeyStrokeFacts facts;
    facts.layout = 1;
    facts.candidateWindow = CandidateWindow;
    facts.keyboardOpen = true;
    facts.character = ch;
    facts.vk = vk;
    facts.candidateMode = mode;
    facts.composing = composing;
    facts.engine = &engine;
    facts.shiftDown = (CurrentModifiers & TF_MOD_SHIFT) != 0;  // both read the same keyboard
    return facts;
  }
};

void ExpectClassified(const KeyClassification& got, BOOL eaten, KeystrokeState state,
                      const std::string& name) {
  EXPECT_EQ(got.eaten, eaten) << name;
  EXPECT_EQ(got.state.category, state.category) << name;
  EXPECT_EQ(got.state.function, state.function) << name;
}

TEST_F(ClassifyKeyStrokeTest, LettersStartACompositionAndOtherKeysPassOn) {
  Hold(kNone);
  KeyClassification got = ClassifyKeyStroke(Key('A', u'a'));
  ExpectClassified(got, TRUE, kInput, "a");
  EXPECT_EQ(got.character, u'a');
  EXPECT_EQ(got.code, UINT{'A'});

  Hold(kShift, VK_SHIFT);
  ExpectClassified(ClassifyKeyStroke(Key('A', u'A')), TRUE, kInput, "Shift+A");

  Hold(kCtrl, VK_CONTROL);
  ExpectClassified(ClassifyKeyStroke(Key('A', 0x01)), FALSE, kPassOn, "Ctrl+A");

  Hold(kNone);
  got = ClassifyKeyStroke(Key(kF1, 0));
  ExpectClassified(got, FALSE, kNothing, "F1");
  EXPECT_EQ(got.character, 0);
}

TEST_F(ClassifyKeyStrokeTest, ShiftedSymbolWhileComposingEndsTheComposition) {
  Keys(u"ami");
  Hold(kShift, VK_SHIFT);
  ExpectClassified(ClassifyKeyStroke(Key('2', u'@', CandidateModeIncremental, true)), FALSE,
                   kPassOn, "Shift+2 in mode 2");
}

TEST_F(ClassifyKeyStrokeTest, NumberKeysPickFromTheShownPageUnlessANumberIsTyped) {
  const KeystrokeState select{CategoryCandidate, FunctionSelectByNumber};
  struct Case {
    const char* name;
    std::u16string keys;
    UINT vk;
    WCHAR ch;
    BOOL eaten;
    KeystrokeState state;
  } cases[] = {
      {"3 picks", u"ami", '3', u'3', TRUE, select},
      {"numpad 3 picks", u"ami", VK_NUMPAD3, u'3', TRUE, select},
      {"8 is typed", u"ami", '8', u'8', TRUE, kInput},
      {"9 is typed", u"ami", '9', u'9', TRUE, kInput},
      {"0 is typed", u"ami", '0', u'0', TRUE, kInput},
      {"3 extends a number", u"12", '3', u'3', TRUE, kInput},
  };
  Hold(kNone);
  for (const Case& c : cases) {
    Keys(c.keys);
    ExpectClassified(ClassifyKeyStroke(Key(c.vk, c.ch, CandidateModeIncremental, true)), c.eaten,
                     c.state, c.name);
  }
}

TEST_F(ClassifyKeyStrokeTest, ConversionListFinalizesBeforeTheNextLetter) {
  Keys(u"ami");
  Hold(kNone);
  ExpectClassified(ClassifyKeyStroke(Key('B', u'b', CandidateModeConvert, true)), TRUE,
                   (KeystrokeState{CategoryCandidate, FunctionFinalizeCandidateThenInput}), "b");
  ExpectClassified(ClassifyKeyStroke(Key('3', u'3', CandidateModeConvert, true)), TRUE,
                   (KeystrokeState{CategoryCandidate, FunctionSelectByNumber}), "3");
}

// Every editing and moving key in each candidate mode, with the suggestion
// bar on and off.
TEST_F(ClassifyKeyStrokeTest, EditingAndMovingKeysFollowTheModeAndTheBar) {
  constexpr UINT kA = CandidateModeConvert;
  constexpr UINT kB = CandidateModeNone;
  constexpr UINT kC = CandidateModeIncremental;
  const KeystrokeState candCancel{CategoryCandidate, FunctionCancel};
  const KeystrokeState candConvert{CategoryCandidate, FunctionConvert};
  const KeystrokeState compConvert{CategoryComposing, FunctionConvert};
  const KeystrokeState compCancel{CategoryComposing, FunctionCancel};
  const KeystrokeState compBackspace{CategoryComposing, FunctionBackspace};
  struct Case {
    UINT vk;
    UINT mode;
    uint32_t bar;
    BOOL eaten;
    KeystrokeState state;
  } cases[] = {
      {VK_BACK, kA, 1, TRUE, candCancel},        {VK_BACK, kB, 1, TRUE, compBackspace},
      {VK_BACK, kC, 0, TRUE, compBackspace},     {VK_RETURN, kA, 0, TRUE, candConvert},
      {VK_CONTROL, kB, 1, TRUE, compConvert},    {VK_SPACE, kC, 1, TRUE, candConvert},
      {VK_RETURN, kC, 0, TRUE, candConvert},     {VK_ESCAPE, kA, 1, TRUE, candCancel},
      {VK_ESCAPE, kB, 0, TRUE, compCancel},      {VK_ESCAPE, kC, 1, TRUE, candCancel},
      {VK_DOWN, kA, 0, TRUE, candConvert},       {VK_DOWN, kB, 0, TRUE, compConvert},
      {VK_DOWN, kC, 0, FALSE, kPassOn},          {VK_LEFT, kA, 1, FALSE, kNothing},
      {VK_RIGHT, kA, 0, FALSE, kPassOn},         {VK_LEFT, kB, 1, TRUE, compConvert},
      {VK_RIGHT, kB, 0, TRUE, compConvert},      {VK_LEFT, kC, 1, TRUE, candConvert},
      {VK_RIGHT, kC, 0, FALSE, kPassOn},         {VK_TAB, kC, 1, FALSE, kPassOn},
  };
  Keys(u"ami");
  for (const Case& c : cases) {
    CandidateWindow = c.bar;
    const WCHAR ch = c.vk == VK_SPACE ? u' ' : c.vk == VK_TAB ? u'\t' : 0;
    ExpectClassified(ClassifyKeyStroke(Key(c.vk, ch, c.mode, true)), c.eaten, c.state,
                     "vk 0x" + std::to_string(c.vk) + " mode " + std::to_string(c.mode) +
                         " bar " + std::to_string(c.bar));
  }

  struct Move {
    UINT vk;
    UINT function;
  } moves[] = {{VK_UP, FunctionMoveUp},         {VK_DOWN, FunctionMoveDown},
               {VK_PRIOR, FunctionMovePageUp},  {VK_NEXT, FunctionMovePageDown},
               {VK_HOME, FunctionMoveFirst},    {VK_END, FunctionMoveLast}};
  CandidateWindow = 1;
  for (const Move& m : moves) {
    const std::string name = "move 0x" + std::to_string(m.vk);
    ExpectClassified(ClassifyKeyStroke(Key(m.vk, 0, kA, true)), TRUE,
                     KeystrokeState{CategoryCandidate, m.function}, name + " A");
    ExpectClassified(ClassifyKeyStroke(Key(m.vk, 0, kB, true)), TRUE,
                     KeystrokeState{CategoryComposing, m.function}, name + " B");
    ExpectClassified(ClassifyKeyStroke(Key(m.vk, 0, kC, true)), TRUE,
                     KeystrokeState{CategoryCandidate, m.function}, name + " C");
  }

  // Without a composition the tables do not apply.
  ExpectClassified(ClassifyKeyStroke(Key(VK_BACK, 0x08, kB, false)), FALSE, kPassOn,
                   "Backspace, nothing composed");
  ExpectClassified(ClassifyKeyStroke(Key(VK_DOWN, 0, kC, false)), FALSE, kNothing,
                   "Down, nothing composed");
}

TEST_F(ClassifyKeyStrokeTest, InjectedPacketKeysStandForTheirCharacter) {
  struct Case {
    const char* name;
    WCHAR ch;
    UINT mode;
    bool open;
    UINT code;
    BOOL eaten;
    KeystrokeState state;
  } cases[] = {
      {"page down while closed", 0xF003, CandidateModeNone, false, VK_NEXT, TRUE, kNothing},
      {"page up while closed", 0xF004, CandidateModeNone, false, VK_PRIOR, TRUE, kNothing},
      {"page down in a shown list", 0xF003, CandidateModeIncremental, true, VK_NEXT, TRUE,
       KeystrokeState{CategoryCandidate, FunctionMovePageDown}},
      {"a letter", u'a', CandidateModeNone, true, 'A', TRUE, kInput},
      {"a capital", u'B', CandidateModeNone, true, 'B', TRUE, kInput},
      {"a digit", u'5', CandidateModeNone, true, '5', TRUE, kInput},
      {"a space", u' ', CandidateModeNone, true, VK_SPACE, TRUE,
       KeystrokeState{CategoryComposing, FunctionConvert}},
      {"anything else keeps the packet code", 0x00E9, CandidateModeNone, true, VK_PACKET, FALSE,
       kPassOn},
      {"a letter while closed ends the composition", u'a', CandidateModeNone, false, 'A', FALSE,
       kPassOn},
  };
  Keys(u"ami");
  Hold(kNone);
  for (const Case& c : cases) {
    KeyStrokeFacts facts = Key(VK_PACKET, c.ch, c.mode, true);
    facts.keyboardOpen = c.open;
    const KeyClassification got = ClassifyKeyStroke(facts);
    ExpectClassified(got, c.eaten, c.state, c.name);
    EXPECT_EQ(got.code, c.code) << c.name;
  }
  KeyStrokeFacts closed = Key(VK_PACKET, 0xF003);
  closed.keyboardOpen = false;
  EXPECT_EQ(ClassifyKeyStroke(closed).character, 0xF003);
}

TEST_F(ClassifyKeyStrokeTest, ClosedOrBlockedLeavesKeysToTheApplication) {
  Hold(kNone);
  KeyStrokeFacts closed = Key('A', u'a');
  closed.keyboardOpen = false;
  KeyClassification got = ClassifyKeyStroke(closed);
  ExpectClassified(got, FALSE, kNothing, "closed");
  EXPECT_EQ(got.character, 0);

  KeyStrokeFacts blocked = Key(VK_PACKET, 0xF003);
  blocked.typingBlocked = true;
  got = ClassifyKeyStroke(blocked);
  ExpectClassified(got, FALSE, kNothing, "blocked");
  EXPECT_EQ(got.code, UINT{VK_PACKET});

  KeyStrokeFacts noEngine = Key('A', u'a');
  noEngine.engine = nullptr;
  ExpectClassified(ClassifyKeyStroke(noEngine), FALSE, kPassOn, "no engine");
}

TEST_F(ClassifyKeyStrokeTest, LayoutEightShiftTypesOneMarkerOnlyWhileOpen) {
  struct Case {
    const char* name;
    std::u16string keys;
    bool open;
    bool blocked;
    bool keyDown;
    BOOL eaten;
    KeystrokeState state;
    WCHAR character;
    bool chord = false;
  } cases[] = {
      {"types the marker", u"ami", true, false, true, TRUE, kInput, kShiftMarker},
      {"starts a composition", u"", true, false, true, TRUE, kInput, kShiftMarker},
      {"not twice in a row", std::u16string(u"am") + char16_t{kShiftMarker}, true, false, true,
       TRUE, kNothing, 0},
      {"eaten on key-up", u"ami", true, false, false, TRUE, kInput, kShiftMarker},
      {"closed: the application's", u"", false, false, true, FALSE, kNothing, 0},
      {"blocked: the application's", u"ami", true, true, true, FALSE, kNothing, 0},
      {"with Ctrl or Alt down: a chord's", u"ami", true, false, true, FALSE, kNothing, 0, true},
      {"a chord's key-up", u"", true, false, false, FALSE, kNothing, 0, true},
  };
  for (const Case& c : cases) {
    Keys(c.keys);
    KeyStrokeFacts facts = Key(VK_SHIFT, 0, CandidateModeIncremental, !c.keys.empty());
    facts.layout = 8;
    facts.keyboardOpen = c.open;
    facts.typingBlocked = c.blocked;
    facts.wantsState = c.keyDown;
    facts.chordModifierDown = c.chord;
    const KeyClassification got = ClassifyKeyStroke(facts);
    ExpectClassified(got, c.eaten, c.state, c.name);
    EXPECT_EQ(got.character, c.character) << c.name;
  }

  Keys(u"ami");
  ExpectClassified(ClassifyKeyStroke(Key(VK_SHIFT, 0, CandidateModeIncremental, true)), FALSE,
                   kNothing, "Shift in layout 1");
}

// The marker last in the keys waits for the key it shifts; any other key
// finds it gone: with nothing else composed the key is classified as with
// nothing composed, and a number key is the shifted symbol, not a choice.
TEST_F(ClassifyKeyStrokeTest, LayoutEightMarkerGivesWayToKeysTheCompositionDoesNotTake) {
  const std::u16string marker(1, char16_t{kShiftMarker});
  Hold(kNone);
  struct Case {
    const char* name;
    std::u16string keys;
    UINT vk;
    WCHAR ch;
    BOOL eaten;
    KeystrokeState state;
  } cases[] = {
      {"Enter after the marker alone", marker, VK_RETURN, u'\r', FALSE, kPassOn},
      {"Space after the marker alone", marker, VK_SPACE, u' ', FALSE, kPassOn},
      {"Backspace after the marker alone", marker, VK_BACK, 0x08, FALSE, kPassOn},
      {"Left after the marker alone", marker, VK_LEFT, 0, FALSE, kNothing},
      {"Ctrl after the marker alone", marker, VK_CONTROL, 0, FALSE, kNothing},
      {"a letter after the marker alone", marker, 'T', u't', TRUE, kInput},
      {"Enter after a word and the marker", u"ami" + marker, VK_RETURN, u'\r', TRUE,
       KeystrokeState{CategoryCandidate, FunctionConvert}},
      {"1 after the marker", u"ami" + marker, '1', u'1', TRUE, kInput},
      {"1 without it", u"ami", '1', u'1', TRUE,
       KeystrokeState{CategoryCandidate, FunctionSelectByNumber}},
  };
  for (const Case& c : cases) {
    Keys(c.keys);
    KeyStrokeFacts facts = Key(c.vk, c.ch, CandidateModeIncremental, true);
    facts.layout = 8;
    ExpectClassified(ClassifyKeyStroke(facts), c.eaten, c.state, c.name);
  }
}

TEST_F(ClassifyKeyStrokeTest, KeyUpEatsOnlyTheTableKeys) {
  Keys(u"ami");
  Hold(kNone);
  struct Case {
    const char* name;
    UINT vk;
    WCHAR ch;
    UINT mode;
    BOOL eaten;
  } cases[] = {
      {"a letter", 'B', u'b', CandidateModeNone, FALSE},
      {"a label key", '3', u'3', CandidateModeIncremental, FALSE},
      {"Backspace", VK_BACK, 0x08, CandidateModeNone, TRUE},
      {"Enter with a list", VK_RETURN, u'\r', CandidateModeIncremental, TRUE},
  };
  for (const Case& c : cases) {
    KeyStrokeFacts facts = Key(c.vk, c.ch, c.mode, true);
    facts.wantsState = false;
    EXPECT_EQ(ClassifyKeyStroke(facts).eaten, c.eaten) << c.name;
  }
}

}  // namespace
