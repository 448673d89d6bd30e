#include "suggest/LanguageModelGlobals.h"

#include <fst/flags.h>

DECLARE_bool(fst_error_fatal);

namespace {

// The library's errors must never end the host application's process: with
// this off they are logged and show as the error property instead. Set while
// the library is initialised, before any thread can read the flag.
const bool kFstErrorsAreNotFatal = [] {
  FLAGS_fst_error_fatal = false;
  return true;
}();

}  // namespace

std::mutex LanguageModelMutex;
fst::VectorFst<fst::StdArc> LanguageModelFst;
const fst::SymbolTable* ModelInputSymbols = nullptr;
const fst::SymbolTable* ModelOutputSymbols = nullptr;
LabelPiecesMap InputLabelPieces;
PiecesLabelMap InputPiecesToLabel;
int32_t MaxInputSpan = 0;
LabelPiecesMap OutputLabelPieces;
PiecesLabelMap OutputPiecesToLabel;
int32_t MaxOutputSpan = 0;
std::unordered_set<int32_t> SkippedOutputLabels;

void ResetLanguageModelGlobals() {
  (void)kFstErrorsAreNotFatal;
  ModelInputSymbols = nullptr;
  ModelOutputSymbols = nullptr;
  LanguageModelFst = fst::VectorFst<fst::StdArc>();
  InputLabelPieces.clear();
  InputPiecesToLabel.clear();
  MaxInputSpan = 0;
  OutputLabelPieces.clear();
  OutputPiecesToLabel.clear();
  MaxOutputSpan = 0;
  SkippedOutputLabels.clear();
}
