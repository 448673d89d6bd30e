#include "suggest/ModelFstCheck.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace {

using Model = fst::VectorFst<fst::StdArc>;
using StateId = fst::StdArc::StateId;

bool TargetsInRange(const Model& model) {
  const StateId states = model.NumStates();
  if (model.Start() < 0 || model.Start() >= states) return false;
  for (StateId s = 0; s < states; ++s) {
    for (fst::ArcIterator<Model> arcs(model, s); !arcs.Done(); arcs.Next()) {
      const StateId target = arcs.Value().nextstate;
      if (target < 0 || target >= states) return false;
    }
  }
  return true;
}

// A depth-first walk over the arcs that read no key, with an explicit stack
// (a model may have a hundred thousand states in a row): a state met again
// while it is still on the walk's path closes a cycle.
bool HasInputEpsilonCycle(const Model& model) {
  enum : uint8_t { Unseen, OnPath, Done };
  const StateId states = model.NumStates();
  std::vector<uint8_t> mark(static_cast<size_t>(states), Unseen);
  std::vector<std::pair<StateId, size_t>> path;  // state, index of its next arc
  for (StateId root = 0; root < states; ++root) {
    if (mark[root] != Unseen) continue;
    mark[root] = OnPath;
    path.emplace_back(root, 0);
    while (!path.empty()) {
      auto& [state, next] = path.back();
      fst::ArcIterator<Model> arcs(model, state);
      arcs.Seek(next);
      while (!arcs.Done() && arcs.Value().ilabel != 0) arcs.Next();
      if (arcs.Done()) {
        mark[state] = Done;
        path.pop_back();
        continue;
      }
      next = arcs.Position() + 1;
      const StateId target = arcs.Value().nextstate;
      if (mark[target] == OnPath) return true;
      if (mark[target] == Unseen) {
        mark[target] = OnPath;
        path.emplace_back(target, 0);
      }
    }
  }
  return false;
}

}  // namespace

bool ModelFstIsSound(const Model& model) { return TargetsInRange(model) && !HasInputEpsilonCycle(model); }
