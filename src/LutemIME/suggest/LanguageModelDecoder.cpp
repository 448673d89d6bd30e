#include "suggest/LanguageModelDecoder.h"

#include <set>

#include <fst/compose.h>
#include <fst/vector-fst.h>

#include "suggest/DistinctPaths.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelQuery.h"
#include "suggest/LogPlus.h"

namespace {

constexpr float kWeightThreshold = 4.0f;
constexpr double kCutoff = 0.0;
constexpr int32_t kDistinctOutputs = 2;
constexpr float kConvergenceDelta = 1.0f / 1024.0f;
// One more imaginary path of this weight seeds both log sums.
constexpr float kLogSumSeed = 99.0f;

std::string SpellWord(const LabelList& pieces) {
  std::string word;
  for (int32_t piece : pieces) word += ModelOutputSymbols->Find(piece);
  return word;
}

}  // namespace

std::vector<DecodedPath> RunLanguageModelDecoder(const std::string& prepared, float weightThreshold, double cutoff) {
  using fst::StdArc;
  const LabelList labels = MapCharactersToInputLabels(prepared, *ModelInputSymbols);
  fst::VectorFst<StdArc> lattice;
  BuildInputLattice(labels, lattice, MaxInputSpan, InputPiecesToLabel);
  // The lattice reads and writes the model's input labels, so it carries the
  // model's input table on both sides for the composition's table check.
  lattice.SetInputSymbols(ModelInputSymbols);
  lattice.SetOutputSymbols(ModelInputSymbols);

  fst::VectorFst<StdArc> composed;
  fst::Compose(lattice, LanguageModelFst, &composed, fst::ComposeOptions(true, fst::AUTO_FILTER));

  std::vector<fst::TropicalWeight> distance;
  const fst::AnyArcFilter<StdArc> filter;
  DistinctPathQueue queue(composed, &distance, filter);
  DistinctPathSet paths(OutputLabelPieces, SkippedOutputLabels, ModelOutputSymbols);
  const DistinctPathOptions options(&queue, filter, kDistinctOutputs, /*unique=*/false, /*has_distance=*/false,
                                    kConvergenceDelta, /*first_path=*/false, fst::TropicalWeight(weightThreshold),
                                    fst::kNoStateId);
  fst::VectorFst<StdArc> nbestTree;
  ShortestDistinctPaths(composed, &nbestTree, &distance, paths, options);

  const bool normalise = static_cast<double>(kLogSumSeed) > cutoff;
  float total = kLogSumSeed;
  if (normalise) {
    for (const LabelList& key : paths.order) total = LogPlus(total, paths.paths.at(key).weight);
  }
  std::vector<DecodedPath> result;
  float cumulative = kLogSumSeed;
  for (const LabelList& key : paths.order) {
    const DecodedPath& record = paths.paths.at(key);
    float weight = record.weight;
    if (normalise) {
      weight = weight - total;
      cumulative = LogPlus(cumulative, weight);
    }
    result.push_back(record);
    result.back().weight = weight;
    if (normalise && cutoff > static_cast<double>(cumulative)) break;
  }
  return result;
}

std::vector<std::string> DecodeWithLanguageModel(const std::string& query, bool modelReady) {
  try {
    if (!PassesLanguageModelQueryGate(query, modelReady)) return {};
    if (ModelInputSymbols == nullptr || ModelOutputSymbols == nullptr) return {};  // ready without a model
    const std::vector<DecodedPath> records =
        RunLanguageModelDecoder(PrepareLanguageModelQuery(query), kWeightThreshold, kCutoff);
    std::set<std::string> words;  // std::string orders its bytes as unsigned values
    for (const DecodedPath& record : records) {
      if (record.outputPieces.empty()) continue;
      std::string word = SpellWord(record.outputPieces);
      if (!word.empty()) words.insert(std::move(word));
    }
    return std::vector<std::string>(words.begin(), words.end());
  } catch (...) {
    // Out of memory or a query that is not UTF-8: the keystroke gets no words.
    return {};
  }
}
