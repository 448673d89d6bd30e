// Layout 8 records a press of Shift as a marker for the next letter. What
// the user does with Shift that is not the next letter (a chord, a key the
// composition does not take) behaves as it would without the marker; and a
// commit whose chosen candidate is empty, as a vowel sign waiting for its
// consonant in Probhat, still ends the word and lets the key go on.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

const std::u16string kAmi = u"\u0986\u09AE\u09BF";          // আমি
const std::u16string kTumi = u"\u09A4\u09C1\u09AE\u09BF";   // তুমি, not টুমি

size_t KeyDownsOf(UINT vk) {
  size_t count = 0;
  for (const host::ApplicationKeyMessage& message : host::ApplicationKeyMessages())
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        (message.wParam & 0xFFFF) == vk)
      ++count;
  return count;
}

class ShiftMarkerTest : public TypingFixture {};

// After a committed word nothing is composed: Shift with a key the
// composition does not take reaches the application as that key does in
// any other layout, and leaves no marker for the next word.
TEST_P(ShiftMarkerTest, ShiftWithAKeyTheCompositionDoesNotTakeReachesTheApplication) {
  struct Case {
    const char* keys;  // pressed one after another
    UINT vk;           // what the application gets
    std::u16string text;  // the document after "ami" and Space, then the keys
  };
  const std::u16string word = kAmi + u" ";
  const Case cases[] = {
      {"Shift+Enter", VK_RETURN, word + u"\r"},
      {"Shift+Tab", VK_TAB, word + u"\t"},
      {"Shift+Left", VK_LEFT, word},
      {"Shift+Home", VK_HOME, word},
      {"Shift+End", VK_END, word},
      {"Shift+PageDown", VK_NEXT, word},
      {"Shift+Up", VK_UP, word},
      {"Shift+Delete", VK_DELETE, word},
      {"Shift+F1", VK_F1, word},
      {"Shift Escape", VK_ESCAPE, word},
      {"Shift Space", VK_SPACE, word + u" "},
      {"Shift Backspace", VK_BACK, kAmi},
      {"Shift Ctrl+A", 'A', word},
      {"Shift+Alt", VK_MENU, word},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Start(8);
    Type(u"ami");
    Press("Space");
    ASSERT_EQ(Text(), word);
    const size_t before = KeyDownsOf(c.vk);
    std::string keys = c.keys;
    for (size_t at = 0; at != std::string::npos;) {
      const size_t space = keys.find(' ', at);
      Press(keys.substr(at, space == std::string::npos ? space : space - at));
      at = space == std::string::npos ? space : space + 1;
    }
    EXPECT_EQ(Text(), c.text);
    EXPECT_EQ(Composition(), std::nullopt) << "no composition left behind";
    EXPECT_EQ(KeyDownsOf(c.vk), before + 1);
    host::MoveCaret(context_, static_cast<LONG>(Text().size()));
    host::PumpMessages();
    Type(u"tumi");
    EXPECT_EQ(Text(), c.text + kTumi) << "no marker left for the next word";
    Deactivate();
  }
}

// In the middle of a word the marker goes, and the key does what it does
// without it: Enter commits the word as in layout 1, Backspace takes the
// last letter (not the invisible marker).
TEST_P(ShiftMarkerTest, AMarkerAfterAWordGivesWayToTheKeyThatFollows) {
  Start(8);
  Type(u"ami");
  Press("Shift+Backspace");
  EXPECT_EQ(Text(), u"\u0986\u09AE");  // আম
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{2}));
  Type(u"i");
  Press("Shift");
  Press("Backspace");
  EXPECT_EQ(Text(), u"\u0986\u09AE");
  Type(u"i");
  Press("Shift+Enter");
  EXPECT_EQ(Text(), kAmi + u"\r");
  EXPECT_EQ(Composition(), std::nullopt);
  EXPECT_EQ(host::ApplicationCharacters(), u"\r");
  Type(u"tumi");
  EXPECT_EQ(Text(), kAmi + u"\r" + kTumi);
}

// Shift released before a digit still shifts it (⇧1 is "!"), even while the
// list offers candidates for the number keys.
TEST_P(ShiftMarkerTest, ADigitAfterTheMarkerIsTheShiftedSymbolNotAChoice) {
  Start(8);
  Type(u"ami");
  Press("Shift");
  Type(u"1");
  EXPECT_EQ(Text(), kAmi + u"!");
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{4}));
}

TEST_P(ShiftMarkerTest, ChordsWithCtrlOrAltAddNoMarker) {
  for (const bool bar : {true, false}) {
    SCOPED_TRACE(bar ? "bar on" : "bar off");
    Start(8, bar);
    Press("Ctrl+Shift+C");
    EXPECT_EQ(Composition(), std::nullopt);
    Type(u"tumi");
    EXPECT_EQ(Text(), kTumi);
    Press("Space");
    Press("Alt+Shift");
    Type(u"tumi");
    EXPECT_EQ(Text(), kTumi + u" " + kTumi);
    // Shift first: its marker gives way to Ctrl.
    Press("Space");
    Press("Shift+Ctrl+C");
    EXPECT_EQ(Composition(), std::nullopt);
    Type(u"tumi");
    EXPECT_EQ(Text(), kTumi + u" " + kTumi + u" " + kTumi);
    Deactivate();
  }
}

// Probhat's i (ি) waits for its consonant and shows nothing yet: Enter and
// Space end that word and reach the application all the same.
TEST_P(ShiftMarkerTest, AnEmptyChosenCandidateEndsTheWordAndTheKeyGoesOn) {
  struct Case {
    const char* key;
    char16_t character;
  };
  for (const Case& c : {Case{"Enter", u'\r'}, Case{"Space", u' '}}) {
    SCOPED_TRACE(c.key);
    Start(6);
    Type(u"i");
    ASSERT_TRUE(Composition());
    Press(c.key);
    EXPECT_EQ(Text(), std::u16string(1, c.character));
    EXPECT_EQ(Composition(), std::nullopt);
    EXPECT_EQ(List(), std::nullopt);
    EXPECT_EQ(host::ApplicationCharacters(), std::u16string(1, c.character));
    Type(u"k");
    EXPECT_EQ(Text(), std::u16string(1, c.character) + u"\u0995") << "a new word, without the i";
    Deactivate();
  }
}

INSTANTIATE_TEST_SUITE_P(Grants, ShiftMarkerTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
