#pragma once

#include "service/keys/CKeyStateCategory.h"

// Keys for the composition itself: typing, ending it (a pass-through key),
// the conversion list, Esc, Backspace and the moves of a list while the
// composition keeps the caret.
class CKeyStateComposing final : public CKeyStateCategory {
 public:
  using CKeyStateCategory::CKeyStateCategory;

  HRESULT Input(const KeyHandlerArgs& args) override;
  HRESULT Finalize(const KeyHandlerArgs& args) override;
  HRESULT Convert(const KeyHandlerArgs& args) override;
  HRESULT Cancel(const KeyHandlerArgs& args) override;
  // One key fewer, converted again; the last one takes the composition and
  // its text away. Nothing while the caret is outside the composition.
  HRESULT Backspace(const KeyHandlerArgs& args) override;
  // Moves in the list; the caret stays where it was.
  HRESULT MoveSelection(const KeyHandlerArgs& args) override;
};
