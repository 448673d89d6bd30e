#pragma once

#include "Platform.h"

// What a key does: the key state that handles it (category) and the handler
// it runs there (function). The move functions are also the key functions of
// the candidate-list element.
struct KeystrokeState {
  UINT category;
  UINT function;

  bool operator==(const KeystrokeState& other) const {
    return category == other.category && function == other.function;
  }
  bool operator!=(const KeystrokeState& other) const { return !(*this == other); }
};

constexpr UINT CategoryNone = 0;
constexpr UINT CategoryComposing = 1;
constexpr UINT CategoryCandidate = 2;
// Not eaten: the composition is finalized first, as Composing, and the key
// goes on to the application.
constexpr UINT CategoryPassThrough = 3;

constexpr UINT FunctionNone = 0;
constexpr UINT FunctionInput = 1;
constexpr UINT FunctionCancel = 2;
constexpr UINT FunctionFinalize = 3;
constexpr UINT FunctionFinalizeCandidate = 5;
constexpr UINT FunctionFinalizeCandidateThenInput = 6;
constexpr UINT FunctionConvert = 7;
constexpr UINT FunctionSelectByNumber = 8;
constexpr UINT FunctionBackspace = 9;
constexpr UINT FunctionMoveUp = 12;
constexpr UINT FunctionMoveDown = 13;
constexpr UINT FunctionMovePageUp = 14;
constexpr UINT FunctionMovePageDown = 15;
constexpr UINT FunctionMoveFirst = 16;
constexpr UINT FunctionMoveLast = 17;

// The text service's candidateMode.
constexpr UINT CandidateModeNone = 0;         // no candidate list
constexpr UINT CandidateModeConvert = 1;      // the list the conversion request opened
constexpr UINT CandidateModeIncremental = 2;  // the list kept up to date while typing
