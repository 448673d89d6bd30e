#pragma once

#include "service/keys/CKeyStateCategory.h"

// Keys for an open candidate list: commits (by key, by number, by click),
// Esc and Backspace, and the moves of the selection and the page.
class CKeyStateCandidate final : public CKeyStateCategory {
 public:
  using CKeyStateCategory::CKeyStateCategory;

  HRESULT FinalizeCandidateThenInput(const KeyHandlerArgs& args) override;
  HRESULT FinalizeCandidate(const KeyHandlerArgs& args) override;
  HRESULT Convert(const KeyHandlerArgs& args) override;
  HRESULT Cancel(const KeyHandlerArgs& args) override;
  HRESULT MoveSelection(const KeyHandlerArgs& args) override;
  // The label key's row of the page shown; refused (S_FALSE, nothing
  // changed) when the row holds no item.
  HRESULT SelectByNumber(const KeyHandlerArgs& args) override;
};
