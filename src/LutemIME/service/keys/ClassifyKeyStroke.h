#pragma once

#include <cstdint>

#include "Platform.h"
#include "service/keys/KeystrokeState.h"

class CCompositionProcessorEngine;

// The facts about one key that the text service gathers before classifying
// it. LutemIME::ClassifyKey fills them and hands the result to the key sink:
//
//   KeyStrokeFacts facts;
//   facts.layout = CurrentLayout;
//   facts.candidateWindow = CandidateWindow;
//   facts.keyboardOpen = <GUID_COMPARTMENT_KEYBOARD_OPENCLOSE read with S_OK
//                         as a VT_I4 that is not 0>;
//   facts.typingBlocked = IsTypingBlocked();
//   facts.character = <ToUnicode's one unit, else 0>;
//   facts.vk = vk;
//   facts.candidateMode = candidateMode;
//   facts.composing = <a composition is open>;
//   facts.engine = engine;                        // may be null
//   facts.shiftDown = GetKeyState(VK_SHIFT) < 0;
//   facts.chordModifierDown = GetKeyState(VK_CONTROL) < 0 ||
//                             GetKeyState(VK_MENU) < 0;
//   facts.wantsState = state != nullptr;           // null on key-up
//   KeyClassification result = ClassifyKeyStroke(facts);
//   *code = result.code;
//   if (character) *character = result.character;
//   if (state) *state = result.state;
//   return result.eaten;
//
// While the keyboard is closed or typing is blocked only a VK_PACKET key's
// character matters, so the caller may skip ToUnicode for other keys then
// (each call disturbs the dead-key state of the user's keyboard layout).
struct KeyStrokeFacts {
  int32_t layout = 0;            // CurrentLayout
  uint32_t candidateWindow = 0;  // the suggestion bar setting
  bool keyboardOpen = false;
  bool typingBlocked = false;
  WCHAR character = 0;
  UINT vk = 0;
  UINT candidateMode = CandidateModeNone;
  bool composing = false;
  // Answers the composition-key and label-key look-ups and holds the key
  // buffer; without one no key is a composition or label key.
  CCompositionProcessorEngine* engine = nullptr;
  bool shiftDown = false;
  // Ctrl or Alt is down: a Shift pressed now belongs to a chord.
  bool chordModifierDown = false;
  // False on key-up: the look-ups then match nothing, so composition and
  // number keys are eaten on key-down only.
  bool wantsState = true;
};

struct KeyClassification {
  BOOL eaten;
  UINT code;        // vk, or what an injected VK_PACKET key stands for
  WCHAR character;  // 0 when the key has none for the handler
  KeystrokeState state;
};

// Classifies a key into the key state and handler that deal with it and says
// whether it is eaten:
// - typing blocked: nothing is eaten;
// - keyboard closed: only the injected page keys (VK_PACKET with U+F003 or
//   U+F004) are eaten, with no state;
// - layout 8 with the keyboard open: Shift is eaten and types the Shift
//   marker U+F8FE, once (not again while the key buffer ends with it). While
//   closed or blocked Shift is the application's, so a closed keyboard never
//   starts a composition; so is a Shift pressed with Ctrl or Alt down (a
//   chord such as Ctrl+Shift+C), which would leave a marker to capitalise
//   the next letter. A number key after the marker is the shifted symbol
//   the marker waits for (⇧1 is "!"), never a choice of the list;
// - open: composition keys, label keys while a list is shown, the editing
//   and moving keys by candidate mode and suggestion bar; any other key with
//   a character ends the composition and goes on to the application
//   ({CategoryPassThrough, FunctionFinalize}, not eaten).
KeyClassification ClassifyKeyStroke(const KeyStrokeFacts& facts);

// Whether the key would be handled otherwise once the key sessions that
// still wait for their lock have run: classified now, a key that depends on
// a word being in progress (Backspace, Enter, Escape, the moving keys, a
// number key that may choose from the list the word brings) would find no
// word yet and go to the application. Such a key is held back and
// classified again after them. When only typing waits (sessions that take a
// key into the composition), the word will be open, with or without its
// list kept up to date; any other session may also open or close the
// conversion list.
bool DependsOnWaitingKeys(const KeyStrokeFacts& facts, const KeyClassification& now,
                          bool onlyTypingWaits);
