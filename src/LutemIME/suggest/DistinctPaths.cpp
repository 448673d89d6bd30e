#include "suggest/DistinctPaths.h"

#include <algorithm>
#include <string>
#include <utility>

#include <fst/connect.h>
#include <fst/shortest-distance.h>

#include "suggest/LogPlus.h"

using fst::StdArc;
using fst::TropicalWeight;
using StateId = StdArc::StateId;

void AppendArcToPath(const DistinctPathSet& paths, DecodedPath& path, const StdArc& arc) {
  const float weight = arc.weight.Value();
  if (arc.ilabel == 0 && arc.olabel == 0 && weight == 0.0f) return;
  const auto pieces = paths.outputLabelPieces.find(arc.olabel);
  if (pieces != paths.outputLabelPieces.end()) {
    for (int32_t piece : pieces->second) {
      if (paths.skippedLabels.count(piece) == 0) path.outputPieces.push_back(piece);
    }
  }
  path.inputLabels.push_back(arc.ilabel);
  path.outputLabels.push_back(arc.olabel);
  path.arcWeights.push_back(weight);
  path.weight += weight;
}

namespace {

// Walks a complete path from its tree state to the tree's final state; every
// state on the way has exactly one arc.
DecodedPath WalkCompletePath(const DistinctPathSet& paths, const fst::MutableFst<StdArc>& tree, StateId from) {
  DecodedPath path;
  StateId state = from;
  while (tree.Final(state) == TropicalWeight::Zero()) {
    if (tree.NumArcs(state) == 0) break;  // cannot happen in a tree built below; never loop on it
    for (fst::ArcIterator<fst::Fst<StdArc>> arcs(tree, state); !arcs.Done(); arcs.Next()) {
      const StdArc& arc = arcs.Value();
      state = arc.nextstate;
      AppendArcToPath(paths, path, arc);
    }
  }
  return path;
}

// The word a piece list spells, or, without the output table, the list's
// own bytes (one spelling per list).
std::string Spelling(const DistinctPathSet& paths, const LabelList& pieces) {
  std::string spelling;
  if (paths.outputSymbols != nullptr) {
    for (int32_t piece : pieces) spelling += paths.outputSymbols->Find(piece);
  } else {
    spelling.assign(reinterpret_cast<const char*>(pieces.data()), pieces.size() * sizeof(int32_t));
  }
  return spelling;
}

// Files a complete path under its pieces; true once n distinct spellings are
// known.
bool RecordPath(DistinctPathSet& paths, DecodedPath path, int32_t nshortest) {
  auto found = paths.paths.find(path.outputPieces);
  if (found != paths.paths.end()) {
    found->second.weight = LogPlus(found->second.weight, path.weight);
    return false;
  }
  paths.spellings.insert(Spelling(paths, path.outputPieces));
  LabelList key = path.outputPieces;
  paths.paths.emplace(key, std::move(path));
  paths.order.push_back(std::move(key));
  return paths.spellings.size() >= static_cast<size_t>(nshortest);
}

}  // namespace

void NShortestDistinctPaths(const fst::Fst<ReverseStdArc>& reverse, fst::MutableFst<StdArc>* nbestTree,
                            const std::vector<TropicalWeight>& distance, int32_t nshortest,
                            DistinctPathSet& paths, float delta, TropicalWeight weightThreshold,
                            StateId stateThreshold) {
  using Pair = std::pair<StateId, TropicalWeight>;
  if (nshortest <= 0) return;
  nbestTree->DeleteStates();
  nbestTree->SetInputSymbols(reverse.InputSymbols());
  nbestTree->SetOutputSymbols(reverse.OutputSymbols());

  // Tree state t stands for the partial path pairs[t]: (state of the
  // reverse, or kNoStateId once the path is complete; weight so far).
  std::vector<Pair> pairs;
  const fst::internal::ShortestPathCompare<StateId, TropicalWeight> compare(pairs, distance, fst::kNoStateId, delta);
  const fst::NaturalLess<TropicalWeight> less;
  const StateId start = reverse.Start();
  if (start == fst::kNoStateId || distance.size() <= static_cast<size_t>(start) ||
      distance[start] == TropicalWeight::Zero() || less(weightThreshold, TropicalWeight::One()) ||
      stateThreshold == 0) {
    if (reverse.Properties(fst::kError, false)) nbestTree->SetProperties(fst::kError, fst::kError);
    return;
  }
  nbestTree->SetStart(nbestTree->AddState());
  const StateId finalState = nbestTree->AddState();
  nbestTree->SetFinal(finalState, TropicalWeight::One());
  while (pairs.size() <= static_cast<size_t>(finalState)) pairs.emplace_back(fst::kNoStateId, TropicalWeight::Zero());
  pairs[finalState] = Pair(start, TropicalWeight::One());
  std::vector<StateId> heap{finalState};
  const TropicalWeight limit = fst::Times(distance[start], weightThreshold);

  // expansions[s + 1] counts the pops of reverse state s; [0] the complete paths.
  std::vector<int> expansions;
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), compare);
    const StateId treeState = heap.back();
    const Pair pair = pairs[treeState];
    heap.pop_back();
    const TropicalWeight toGo = pair.first == fst::kNoStateId ? TropicalWeight::One()
                                : static_cast<size_t>(pair.first) < distance.size() ? distance[pair.first]
                                                                                    : TropicalWeight::Zero();
    if (less(limit, fst::Times(toGo, pair.second)) ||
        (stateThreshold != fst::kNoStateId && nbestTree->NumStates() >= stateThreshold)) {
      continue;
    }
    const size_t counter = static_cast<size_t>(pair.first + 1);
    if (expansions.size() <= counter) expansions.resize(counter + 1, 0);
    ++expansions[counter];

    if (pair.first == fst::kNoStateId) {
      nbestTree->AddArc(nbestTree->Start(), StdArc(0, 0, TropicalWeight::One(), treeState));
      if (RecordPath(paths, WalkCompletePath(paths, *nbestTree, treeState), nshortest)) break;
      if (expansions[0] >= kDistinctPathCap) break;
      continue;
    }
    if (expansions[counter] > kDistinctPathCap) continue;

    for (fst::ArcIterator<fst::Fst<ReverseStdArc>> arcs(reverse, pair.first); !arcs.Done(); arcs.Next()) {
      const ReverseStdArc& rarc = arcs.Value();
      const TropicalWeight arcWeight = rarc.weight.Reverse();
      const StateId next = nbestTree->AddState();
      pairs.emplace_back(rarc.nextstate, fst::Times(pair.second, arcWeight));
      nbestTree->AddArc(next, StdArc(rarc.ilabel, rarc.olabel, arcWeight, treeState));
      heap.push_back(next);
      std::push_heap(heap.begin(), heap.end(), compare);
    }
    const TropicalWeight finalWeight = reverse.Final(pair.first).Reverse();
    if (finalWeight != TropicalWeight::Zero()) {
      const StateId next = nbestTree->AddState();
      pairs.emplace_back(fst::kNoStateId, fst::Times(pair.second, finalWeight));
      nbestTree->AddArc(next, StdArc(0, 0, finalWeight, treeState));
      heap.push_back(next);
      std::push_heap(heap.begin(), heap.end(), compare);
    }
  }
  fst::Connect(nbestTree);
  if (reverse.Properties(fst::kError, false)) nbestTree->SetProperties(fst::kError, fst::kError);
  nbestTree->SetProperties(fst::ShortestPathProperties(nbestTree->Properties(fst::kFstProperties, false)),
                           fst::kFstProperties);
}

void ShortestDistinctPaths(const fst::Fst<StdArc>& ifst, fst::MutableFst<StdArc>* nbestTree,
                           std::vector<TropicalWeight>* distance, DistinctPathSet& paths,
                           const DistinctPathOptions& opts) {
  if (opts.nshortest <= 0) return;
  if (!opts.has_distance) {
    fst::ShortestDistance(ifst, distance, opts);
    if (distance->size() == 1 && !(*distance)[0].Member()) {
      nbestTree->SetProperties(fst::kError, fst::kError);
      return;
    }
  }
  fst::VectorFst<ReverseStdArc> reverse;
  fst::Reverse(ifst, &reverse);
  TropicalWeight best = TropicalWeight::Zero();
  for (fst::ArcIterator<fst::VectorFst<ReverseStdArc>> arcs(reverse, 0); !arcs.Done(); arcs.Next()) {
    const ReverseStdArc& arc = arcs.Value();
    const StateId state = arc.nextstate - 1;
    if (static_cast<size_t>(state) < distance->size()) {
      best = fst::Plus(best, fst::Times(arc.weight.Reverse(), (*distance)[state]));
    }
  }
  distance->insert(distance->begin(), best);
  NShortestDistinctPaths(reverse, nbestTree, *distance, opts.nshortest, paths, opts.delta, opts.weight_threshold,
                         opts.state_threshold);
  distance->erase(distance->begin());
}
