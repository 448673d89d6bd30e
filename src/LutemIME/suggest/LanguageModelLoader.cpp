#include "suggest/LanguageModelLoader.h"

#include <memory>
#include <new>
#include <sstream>

#include <fst/arcsort.h>

#include "suggest/LanguageModelFile.h"
#include "suggest/LanguageModelGlobals.h"

namespace {

bool ReadIntoGlobals(std::istream& plaintext) {
  const fst::FstReadOptions options;  // source "<unspecified>", tables from the stream
  std::unique_ptr<fst::VectorFst<fst::StdArc>> model(fst::VectorFst<fst::StdArc>::Read(plaintext, options));
  if (!model || model->Properties(fst::kError, false)) return false;
  // Both tables are needed: the query is mapped through the input table and
  // the words are spelled through the output table.
  if (model->InputSymbols() == nullptr || model->OutputSymbols() == nullptr) return false;

  LanguageModelFst = std::move(*model);
  model.reset();
  fst::ArcSort(&LanguageModelFst, fst::ILabelCompare<fst::StdArc>());
  ModelInputSymbols = LanguageModelFst.InputSymbols();
  ModelOutputSymbols = LanguageModelFst.OutputSymbols();
  // Computed once here, so concurrent decoders' compatibility checks in the
  // composition only read the cached sums.
  ModelInputSymbols->LabeledCheckSum();
  ModelOutputSymbols->LabeledCheckSum();
  MaxInputSpan = BuildSymbolIndex(*ModelInputSymbols, InputLabelPieces, InputPiecesToLabel);
  MaxOutputSpan = BuildSymbolIndex(*ModelOutputSymbols, OutputLabelPieces, OutputPiecesToLabel);
  SkippedOutputLabels.insert({0, 1, 2});
  return true;
}

}  // namespace

bool PublishLanguageModel(std::istream& plaintext) {
  ResetLanguageModelGlobals();
  bool loaded = false;
  try {
    loaded = ReadIntoGlobals(plaintext);
  } catch (...) {
    loaded = false;
  }
  if (!loaded) ResetLanguageModelGlobals();
  return loaded;
}

bool LoadLanguageModel(const std::string& narrowPath, std::mutex& publishLock) {
  try {
    std::stringstream plaintext;
    ReadLanguageModelFile(narrowPath, plaintext);
    std::lock_guard<std::mutex> lock(publishLock);
    // No bytes (a missing or unopenable file) is no model; the library's
    // reader would also say so on the host's error stream.
    if (plaintext.tellp() <= 0) {
      ResetLanguageModelGlobals();
      return false;
    }
    return PublishLanguageModel(plaintext);
  } catch (...) {
    return false;
  }
}
