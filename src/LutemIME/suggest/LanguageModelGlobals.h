#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_set>

#include <fst/vector-fst.h>

#include "suggest/SymbolIndex.h"

// The process-wide language model. Only the loader writes these, once, before
// it reports the model ready; every reader first sees the ready state and then
// reads them without a lock. Until then (and for good after a failed load)
// they are empty, with both spans 0 and both pointers null.
extern fst::VectorFst<fst::StdArc> LanguageModelFst;  // arcs sorted by input label
extern const fst::SymbolTable* ModelInputSymbols;     // owned by LanguageModelFst
extern const fst::SymbolTable* ModelOutputSymbols;    // owned by LanguageModelFst
extern LabelPiecesMap InputLabelPieces;
extern PiecesLabelMap InputPiecesToLabel;
extern int32_t MaxInputSpan;
extern LabelPiecesMap OutputLabelPieces;
extern PiecesLabelMap OutputPiecesToLabel;
extern int32_t MaxOutputSpan;
extern std::unordered_set<int32_t> SkippedOutputLabels;  // never spelled: 0, 1, 2

// Held by the loader while it publishes the model; ready before any code
// runs (constant initialisation). Readers never take it.
extern std::mutex LanguageModelMutex;

// Puts every global back to its empty state.
void ResetLanguageModelGlobals();
