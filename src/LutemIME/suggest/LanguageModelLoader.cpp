#include "suggest/LanguageModelLoader.h"

#include <iterator>
#include <memory>
#include <new>
#include <sstream>

#include <fst/arcsort.h>

#include "suggest/ByteViewStreamBuf.h"
#include "suggest/LanguageModelFile.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/ModelFstCheck.h"
#include "suggest/ModelStreamCheck.h"

namespace {

bool ReadIntoGlobals(std::string_view plaintext) {
  if (!CheckModelStream(plaintext)) return false;
  ByteViewStreamBuf buffer(plaintext);
  std::istream stream(&buffer);
  const fst::FstReadOptions options;  // source "<unspecified>", tables from the stream
  std::unique_ptr<fst::VectorFst<fst::StdArc>> model(fst::VectorFst<fst::StdArc>::Read(stream, options));
  if (!model || model->Properties(fst::kError, false)) return false;
  // Both tables are needed: the query is mapped through the input table and
  // the words are spelled through the output table.
  if (model->InputSymbols() == nullptr || model->OutputSymbols() == nullptr) return false;
  if (!ModelFstIsSound(*model)) return false;
  // The stored properties are only what the file claims; the composition
  // and the searches pick their algorithms by them (a cyclic model claimed
  // acyclic would be walked as if it were), so they are computed afresh.
  model->SetProperties(fst::kExpanded | fst::kMutable, fst::kFstProperties & ~fst::kError);

  LanguageModelFst = std::move(*model);
  model.reset();
  fst::ArcSort(&LanguageModelFst, fst::ILabelCompare<fst::StdArc>());
  // Computed once here, so that concurrent decoders only read them.
  LanguageModelFst.Properties(fst::kFstProperties, true);
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

bool PublishLanguageModelBytes(std::string_view plaintext) {
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

bool PublishLanguageModel(std::istream& plaintext) {
  try {
    const std::string bytes{std::istreambuf_iterator<char>(plaintext), std::istreambuf_iterator<char>()};
    return PublishLanguageModelBytes(bytes);
  } catch (...) {
    ResetLanguageModelGlobals();
    return false;
  }
}

bool LoadLanguageModel(const std::string& narrowPath, std::mutex& publishLock) {
  try {
    std::string plaintext;
    {
      std::ostringstream deciphered;
      ReadLanguageModelFile(narrowPath, deciphered);
      plaintext = deciphered.str();
    }
    // No bytes (a missing or unopenable file) never reach the library's
    // reader, which would say so on the host's error stream: the stream
    // check refuses them first.
    std::lock_guard<std::mutex> lock(publishLock);
    return PublishLanguageModelBytes(plaintext);
  } catch (...) {
    return false;
  }
}
