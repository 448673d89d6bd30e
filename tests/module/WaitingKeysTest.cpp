// Keys typed faster than the application grants edit sessions: the keys
// before them wait for their lock, and each key still does what it does
// when every key before it has been handled at once. A Backspace, Enter or
// Escape after letters whose sessions still wait belongs to the word those
// letters make, not to the application.
#include <gmock/gmock.h>

#include "TypingFixture.h"

namespace {

// What a session leaves behind, as the user sees it.
struct Outcome {
  std::u16string text;
  std::optional<std::pair<LONG, LONG>> composition;
  std::u16string application;  // the characters the application received
  std::vector<std::u16string> candidates;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
  auto narrow = [](const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
      char hex[8];
      std::snprintf(hex, sizeof(hex), unit < 0x80 && unit >= 0x20 ? "%c" : "\\u%04X", unit);
      bytes += hex;
    }
    return bytes;
  };
  *out << "text \"" << narrow(outcome.text) << "\", composition ";
  if (outcome.composition)
    *out << "[" << outcome.composition->first << ", " << outcome.composition->second << "]";
  else
    *out << "none";
  *out << ", application \"" << narrow(outcome.application) << "\", candidates";
  for (const std::u16string& candidate : outcome.candidates) *out << " \"" << narrow(candidate) << "\"";
}

bool operator==(const Outcome& a, const Outcome& b) {
  return a.text == b.text && a.composition == b.composition && a.application == b.application &&
         a.candidates == b.candidates;
}

class WaitingKeysTest : public TypingFixture {
 protected:
  // Plays keys written as text with {Chord} for a named key ("rb={Backspace}c");
  // with pumps, the application handles each key before the next comes.
  void Play(const std::string& keys, bool pumpEachKey) {
    for (size_t at = 0; at < keys.size();) {
      if (keys[at] == '{') {
        const size_t close = keys.find('}', at);
        ASSERT_TRUE(host::PressChord(keys.substr(at + 1, close - at - 1))) << keys;
        at = close + 1;
      } else {
        host::TypeText(std::u16string(1, static_cast<char16_t>(keys[at])));
        ++at;
      }
      if (pumpEachKey) host::PumpMessages();
    }
    host::PumpMessages();
  }
  Outcome Seen() const { return {Text(), Composition(), host::ApplicationCharacters(), Candidates()}; }

  // The keys in a fresh document with every session granted at once.
  Outcome AtOnce(int layout, bool bar, const std::string& keys) {
    host::SetEditSessionGrant(host::EditSessionGrant::Immediate);
    Start(layout, bar);
    Play(keys, true);
    Outcome seen = Seen();
    Deactivate();
    host::SetEditSessionGrant(GetParam());
    return seen;
  }
};

// The keys go in without a pump between them, so that under a deferred grant
// every session after the first waits until the end; the session must end
// as it does when each key is handled before the next. No case chooses a
// candidate other than the first, which would be learned and change the
// next run's list.
TEST_P(WaitingKeysTest, KeysThatDependOnTheWordEndAsWhenEachKeyIsHandledAtOnce) {
  struct Case {
    int layout;
    bool bar;
    const char* keys;
  };
  const Case cases[] = {
      {1, true, "rb={Backspace}c"},                      // Backspace takes '='
      {1, true, "ami{Backspace}{Backspace}{Backspace}{Backspace}x"},  // the fourth is the application's
      {1, true, "ami{Escape}k"},                         // Escape takes the word away
      {1, true, "ami{Enter}k"},                          // commits the first candidate, then Enter
      {1, false, "ami{Enter}k"},                         // opens the conversion list; k commits from it
      {1, false, "ami{Space}{Enter}"},                   // the list opened by Space, Enter commits
      {1, true, "ami{Down}{Up}{Enter}"},                 // the moving keys move in the list
      {1, true, "ami{Ctrl}k"},                           // Ctrl commits and sends nothing
      {1, true, "ami1k"},                                // 1 chooses the first candidate
      {1, true, "12{Numpad1}"},                          // digits after digits extend the number
      {1, true, "ami{Tab}k"},                            // Tab passes on after the commit
      {1, true, "ami{Left}k"},                           // Left commits from the list
      {1, true, "ami{Space}k"},                          // Space commits, then goes on
      {3, true, "k{PageDown}{Home}{Space}"},             // the page keys move in the list
      {8, true, "ami{Shift}1"},                          // after the marker, 1 is the shifted symbol
      {8, true, "{Shift}{Enter}"},                       // a lone marker gives way to Enter
      {8, true, "ami{Shift}{Backspace}{Backspace}"},     // Backspace drops the marker, then i
      {8, true, "{Shift}ami{Shift}{Escape}"},            // Escape after a marker
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    const Outcome expected = AtOnce(c.layout, c.bar, c.keys);
    Start(c.layout, c.bar);
    Play(c.keys, false);
    EXPECT_EQ(Seen(), expected);
    Deactivate();
  }
}

// The fault as a user met it: the Backspace after "rb=" went to the
// application, which deleted the composed ব, and the word split in two.
TEST_P(WaitingKeysTest, ABackspaceAfterLettersStillWaitingTakesTheLastLetter) {
  Start(1);
  Play("rb={Backspace}c", false);
  EXPECT_EQ(Text(), u"\u09B0\u09AC\u099A");  // রবচ
  EXPECT_EQ(Composition(), std::make_pair(LONG{0}, LONG{3}));
  EXPECT_EQ(host::ApplicationCharacters(), u"");
}

INSTANTIATE_TEST_SUITE_P(Grants, WaitingKeysTest, LUTEM_TYPING_GRANTS, GrantName);

}  // namespace
