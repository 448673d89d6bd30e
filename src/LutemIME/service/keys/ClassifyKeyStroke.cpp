#include "service/keys/ClassifyKeyStroke.h"

#include <iterator>

#include "service/engine/CCompositionProcessorEngine.h"

namespace {

constexpr WCHAR kShiftMarker = 0xF8FE;  // layout 8's Shift of the next letter
constexpr WCHAR kInjectedPageDown = 0xF003;
constexpr WCHAR kInjectedPageUp = 0xF004;
constexpr int32_t kLowercaseLayout = 8;

// Table cells: kDefaultPath sends the key down the default path, kMove
// stands for the move function of the key itself.
constexpr UINT kDefaultPath = 0xFFFFFFFF;
constexpr UINT kMove = 0xFFFFFFFF;

struct Cell {
  UINT category;
  UINT function;
  bool eaten;
};

// One row per key group; for each table the cell with the suggestion bar on,
// then off. Table A: the conversion list (mode 1); B: composing without a
// list (mode 0); C: composing with the list kept up to date (mode 2).
struct Row {
  Cell a[2];
  Cell b[2];
  Cell c[2];
};

constexpr Cell kPassOn{CategoryPassThrough, FunctionFinalize, false};

constexpr Row kBackspace{
    {{CategoryCandidate, FunctionCancel, true}, {CategoryCandidate, FunctionCancel, true}},
    {{CategoryComposing, FunctionBackspace, true}, {CategoryComposing, FunctionBackspace, true}},
    {{CategoryComposing, FunctionBackspace, true}, {CategoryComposing, FunctionBackspace, true}},
};
constexpr Row kConvertKeys{  // Enter, Ctrl, Space
    {{CategoryCandidate, FunctionConvert, true}, {CategoryCandidate, FunctionConvert, true}},
    {{CategoryComposing, FunctionConvert, true}, {CategoryComposing, FunctionConvert, true}},
    {{CategoryCandidate, FunctionConvert, true}, {CategoryCandidate, FunctionConvert, true}},
};
constexpr Row kEscape{
    {{CategoryCandidate, FunctionCancel, true}, {CategoryCandidate, FunctionCancel, true}},
    {{CategoryComposing, FunctionCancel, true}, {CategoryComposing, FunctionCancel, true}},
    {{CategoryCandidate, FunctionCancel, true}, {CategoryCandidate, FunctionCancel, true}},
};
constexpr Row kMoveKeys{  // Up, Down, Page Up, Page Down, Home, End
    {{CategoryCandidate, kMove, true}, {CategoryCandidate, FunctionConvert, true}},
    {{CategoryComposing, kMove, true}, {CategoryComposing, FunctionConvert, true}},
    {{CategoryCandidate, kMove, true}, kPassOn},
};
// Left and Right. With the bar off in the conversion list they end the
// composition and move the caret: a pass-through key is never eaten.
constexpr Row kLeftRight{
    {{kDefaultPath, FunctionNone, false}, kPassOn},
    {{CategoryComposing, FunctionConvert, true}, {CategoryComposing, FunctionConvert, true}},
    {{CategoryCandidate, FunctionConvert, true}, kPassOn},
};

const Row* RowFor(UINT code) {
  switch (code) {
    case VK_BACK:
      return &kBackspace;
    case VK_RETURN:
    case VK_CONTROL:
    case VK_SPACE:
      return &kConvertKeys;
    case VK_ESCAPE:
      return &kEscape;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      return &kMoveKeys;
    case VK_LEFT:
    case VK_RIGHT:
      return &kLeftRight;
    default:
      return nullptr;
  }
}

UINT MoveFunction(UINT code) {
  switch (code) {
    case VK_UP:
      return FunctionMoveUp;
    case VK_DOWN:
      return FunctionMoveDown;
    case VK_PRIOR:
      return FunctionMovePageUp;
    case VK_NEXT:
      return FunctionMovePageDown;
    case VK_HOME:
      return FunctionMoveFirst;
    default:
      return FunctionMoveLast;
  }
}

// What an injected VK_PACKET key stands for; other characters keep the code.
UINT InjectedCode(WCHAR ch, UINT code) {
  if (ch == u' ') return VK_SPACE;
  if ((ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'Z')) return ch;
  if (ch >= u'a' && ch <= u'z') return ch - 0x20;
  if (ch == kInjectedPageDown) return VK_NEXT;
  if (ch == kInjectedPageUp) return VK_PRIOR;
  return code;
}

bool KeyBufferEndsWithShiftMarker(const CCompositionProcessorEngine* engine) {
  return engine != nullptr && engine->keyBuffer.text != nullptr && engine->keyBuffer.length != 0 &&
         engine->keyBuffer.text[engine->keyBuffer.length - 1] == kShiftMarker;
}

bool KeyBufferHoldsOnlyShiftMarkers(const CCompositionProcessorEngine* engine) {
  if (engine == nullptr || engine->keyBuffer.text == nullptr || engine->keyBuffer.length == 0)
    return false;
  for (uint64_t i = 0; i < engine->keyBuffer.length; ++i)
    if (engine->keyBuffer.text[i] != kShiftMarker) return false;
  return true;
}

class Classifier {
 public:
  explicit Classifier(const KeyStrokeFacts& facts) : facts_(facts) {}

  KeyClassification Run() {
    result_ = {FALSE, facts_.vk, 0, {CategoryNone, FunctionNone}};
    if (facts_.typingBlocked) return result_;

    const WCHAR ch = facts_.character;
    if ((facts_.vk & 0xFFFF) == VK_PACKET) result_.code = InjectedCode(ch, result_.code);
    const bool marked = ch == kInjectedPageDown || ch == kInjectedPageUp;
    if (marked) result_.character = ch;
    if (!facts_.keyboardOpen) {
      // Paging keys injected into a list are eaten even while closed.
      result_.eaten = marked ? TRUE : FALSE;
      // A composition left open when the keyboard was switched off (by the
      // button or by the application) would take in what the user types now,
      // and the first key after the keyboard is on again would write its word
      // over it: the key ends it first, as any key passed on does.
      if (!marked && facts_.composing) result_.state = {CategoryPassThrough, FunctionFinalize};
      return result_;
    }

    if (facts_.layout == kLowercaseLayout && facts_.vk == VK_SHIFT) {
      if (facts_.chordModifierDown) return result_;
      if (!KeyBufferEndsWithShiftMarker(facts_.engine)) {
        result_.character = kShiftMarker;
        result_.state = {CategoryComposing, FunctionInput};
      }
      result_.eaten = TRUE;
      return result_;
    }

    result_.character = ch;
    Open();
    if (facts_.layout == kLowercaseLayout && facts_.composing && facts_.wantsState &&
        !TakenIn(result_.state) && KeyBufferHoldsOnlyShiftMarkers(facts_.engine)) {
      // Nothing composed but the marker, which gives way: the key does what
      // it does with nothing composed, and ends the empty composition on its
      // way (a key with a character passes it on; any other leaves it to
      // the session the key sink asks for, without holding the key back).
      result_.eaten = FALSE;
      result_.state = ch == 0 ? KeystrokeState{CategoryNone, FunctionNone}
                              : KeystrokeState{CategoryPassThrough, FunctionFinalize};
    }
    return result_;
  }

 private:
  static bool TakenIn(KeystrokeState state) {
    return state.function == FunctionInput || state.function == FunctionFinalizeCandidateThenInput;
  }

  // The classification of a key while the keyboard is open, into result_.
  KeyClassification Open() {
    switch (facts_.candidateMode) {
      case CandidateModeConvert:
        if (SelectKey()) return Eaten();
        if (CompositionKey(FunctionInput)) {
          result_.state = {CategoryCandidate, FunctionFinalizeCandidateThenInput};
          return Eaten();
        }
        return FromTable(&Row::a);
      case CandidateModeIncremental:
        if (SelectKey()) return Eaten();
        if (CompositionKey(FunctionNone)) return Eaten();
        return facts_.composing ? FromTable(&Row::c) : DefaultPath();
      default:
        if (CompositionKey(FunctionNone)) return Eaten();
        return facts_.composing ? FromTable(&Row::b) : DefaultPath();
    }
  }

  KeystrokeState* State() { return facts_.wantsState ? &result_.state : nullptr; }

  bool CompositionKey(UINT filter) {
    return facts_.engine != nullptr &&
           facts_.engine->FindCompositionKey(result_.code, State(), filter) != FALSE;
  }

  bool SelectKey() {
    // Layout 8's marker is a Shift still held for the next key.
    const bool shifted = facts_.shiftDown || (facts_.layout == kLowercaseLayout &&
                                              KeyBufferEndsWithShiftMarker(facts_.engine));
    return facts_.engine != nullptr &&
           facts_.engine->IsCandidateSelectKey(result_.code, State(), facts_.candidateMode,
                                               shifted) != FALSE;
  }

  KeyClassification Eaten() {
    result_.eaten = TRUE;
    return result_;
  }

  KeyClassification FromTable(const Cell (Row::*table)[2]) {
    const Row* row = RowFor(result_.code);
    if (row == nullptr) return DefaultPath();
    const Cell& cell = (row->*table)[facts_.candidateWindow != 0 ? 0 : 1];
    if (cell.category == kDefaultPath) return DefaultPath();
    result_.state = {cell.category, cell.function == kMove ? MoveFunction(result_.code) : cell.function};
    result_.eaten = cell.eaten ? TRUE : FALSE;
    return result_;
  }

  KeyClassification DefaultPath() {
    if (SelectKey()) return Eaten();
    result_.state = result_.character == 0 ? KeystrokeState{CategoryNone, FunctionNone}
                                           : KeystrokeState{CategoryPassThrough, FunctionFinalize};
    result_.eaten = FALSE;
    return result_;
  }

  const KeyStrokeFacts& facts_;
  KeyClassification result_{};
};

}  // namespace

KeyClassification ClassifyKeyStroke(const KeyStrokeFacts& facts) { return Classifier(facts).Run(); }

bool DependsOnWaitingKeys(const KeyStrokeFacts& facts, const KeyClassification& now,
                          bool onlyTypingWaits) {
  if (!facts.wantsState || facts.typingBlocked) return false;
  if (facts.keyboardOpen) {
    // The keys of the tables read the word's keys too (layout 8's marker),
    // and a number key the keys typed so far (digits extend a number): the
    // key buffer is not yet what it will be.
    if (RowFor(now.code) != nullptr) return true;
    const bool digit = (now.code >= '0' && now.code <= '9') ||
                       (now.code >= VK_NUMPAD0 && now.code <= VK_NUMPAD9);
    if (digit && facts.candidateWindow != 0) return true;
  }
  struct Word {
    bool composing;
    UINT mode;
  };
  static constexpr Word kTyping[] = {{true, CandidateModeNone}, {true, CandidateModeIncremental}};
  static constexpr Word kAny[] = {{false, CandidateModeNone},
                                  {true, CandidateModeNone},
                                  {true, CandidateModeConvert},
                                  {true, CandidateModeIncremental}};
  const Word* begin = onlyTypingWaits ? std::begin(kTyping) : std::begin(kAny);
  const Word* end = onlyTypingWaits ? std::end(kTyping) : std::end(kAny);
  for (const Word* word = begin; word != end; ++word) {
    KeyStrokeFacts then = facts;
    then.composing = word->composing;
    then.candidateMode = word->mode;
    const KeyClassification later = ClassifyKeyStroke(then);
    if (later.eaten != now.eaten || !(later.state == now.state) ||
        later.character != now.character)
      return true;
  }
  return false;
}
