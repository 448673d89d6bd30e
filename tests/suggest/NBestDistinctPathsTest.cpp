#include <gtest/gtest.h>

#include <cmath>

#include <fst/vector-fst.h>

#include "suggest/DistinctPaths.h"
#include "suggest/LogPlus.h"

namespace {

using fst::StdArc;
using fst::TropicalWeight;

// Output labels 3 and 4 are pieces of their own; 5 is the two-piece unit 3 4;
// 0, 1 and 2 are never spelled.
const LabelPiecesMap kPieces = {{2, {2}}, {3, {3}}, {4, {4}}, {5, {3, 4}}, {6, {6}}};
const std::unordered_set<int32_t> kSkipped = {0, 1, 2};

// One path start -> ... -> final per entry, sharing only the start and the
// final state: each arc is {input, output, weight}.
struct Arc3 {
  int in, out;
  float weight;
};
fst::VectorFst<StdArc> Paths(const std::vector<std::vector<Arc3>>& paths, float finalWeight = 0.0f) {
  fst::VectorFst<StdArc> f;
  const auto start = f.AddState();
  const auto end = f.AddState();
  f.SetStart(start);
  f.SetFinal(end, finalWeight);
  for (const auto& path : paths) {
    auto from = start;
    for (size_t i = 0; i < path.size(); ++i) {
      const auto to = i + 1 == path.size() ? end : f.AddState();
      f.AddArc(from, StdArc(path[i].in, path[i].out, path[i].weight, to));
      from = to;
    }
  }
  return f;
}

struct Search {
  DistinctPathSet set{kPieces, kSkipped};
  fst::VectorFst<StdArc> tree;
  const DecodedPath& Record(size_t i) const { return set.paths.at(set.order.at(i)); }
};

void SearchPaths(const fst::Fst<StdArc>& f, Search& search, int32_t n = 2, float threshold = 4.0f) {
  std::vector<TropicalWeight> distance;
  const fst::AnyArcFilter<StdArc> filter;
  DistinctPathQueue queue(f, &distance, filter);
  const DistinctPathOptions options(&queue, filter, n, false, false, 1.0f / 1024, false, TropicalWeight(threshold),
                                    fst::kNoStateId);
  ShortestDistinctPaths(f, &search.tree, &distance, search.set, options);
}

float MinusLogSum(float a, float b) { return static_cast<float>(-std::log(std::exp(-a) + std::exp(-b))); }

TEST(NBestDistinctPathsTest, RepeatedOutputsAddTheirMassAndTheSearchGoesOn) {
  // Same pieces through other input labels, or through the unit 5 = 3 4.
  const auto f = Paths({{{7, 3, 1.0f}, {7, 4, 0.0f}}, {{8, 5, 1.5f}}, {{9, 6, 2.0f}}});
  Search search;
  SearchPaths(f, search);
  ASSERT_EQ(2u, search.set.order.size());
  EXPECT_EQ((LabelList{3, 4}), search.set.order[0]);
  EXPECT_EQ((LabelList{6}), search.set.order[1]);
  EXPECT_NEAR(MinusLogSum(1.0f, 1.5f), search.Record(0).weight, 1e-6);
  EXPECT_EQ(LogPlus(1.0f, 1.5f), search.Record(0).weight);
  EXPECT_EQ(2.0f, search.Record(1).weight);
}

TEST(NBestDistinctPathsTest, StopsAtTheSecondDistinctOutput) {
  const auto f = Paths({{{7, 3, 1.0f}}, {{7, 4, 1.5f}}, {{8, 3, 2.0f}}});
  Search search;
  SearchPaths(f, search);
  ASSERT_EQ(2u, search.set.order.size());
  EXPECT_EQ(1.0f, search.Record(0).weight);  // the later path of weight 2 was never added
  EXPECT_EQ(1.5f, search.Record(1).weight);

  Search one;
  SearchPaths(f, one, 1);
  ASSERT_EQ(1u, one.set.order.size());
  EXPECT_EQ(1.0f, one.Record(0).weight);
}

TEST(NBestDistinctPathsTest, RecordsTheWalkedArcsInForwardOrder) {
  // An inner 0:0 arc with a weight is recorded; the final weight closes the path.
  const auto f = Paths({{{7, 3, 0.5f}, {0, 0, 0.25f}, {8, 2, 0.125f}}}, 1.0f);
  Search search;
  SearchPaths(f, search);
  ASSERT_EQ(1u, search.set.order.size());
  const DecodedPath& path = search.Record(0);
  EXPECT_EQ((LabelList{7, 0, 8, 0}), path.inputLabels);
  EXPECT_EQ((LabelList{3, 0, 2, 0}), path.outputLabels);
  EXPECT_EQ((std::vector<float>{0.5f, 0.25f, 0.125f, 1.0f}), path.arcWeights);
  EXPECT_EQ((LabelList{3}), path.outputPieces);
  EXPECT_EQ(1.875f, path.weight);
}

TEST(NBestDistinctPathsTest, UnspelledOutputsShareTheEmptyKey) {
  const auto f = Paths({{{7, 0, 1.0f}}, {{7, 1, 1.5f}}, {{7, 2, 2.0f}}, {{7, 9, 2.5f}}});
  Search search;
  SearchPaths(f, search);
  ASSERT_EQ(1u, search.set.order.size());  // heap emptied with one output only
  EXPECT_TRUE(search.set.order[0].empty());
  EXPECT_EQ(LogPlus(LogPlus(LogPlus(1.0f, 1.5f), 2.0f), 2.5f), search.Record(0).weight);
}

TEST(NBestDistinctPathsTest, PathsBeyondTheThresholdAreNeverRecorded) {
  const auto f = Paths({{{7, 3, 1.0f}}, {{7, 4, 5.5f}}, {{7, 3, 5.5f}}});
  Search search;
  SearchPaths(f, search);
  ASSERT_EQ(1u, search.set.order.size());
  EXPECT_EQ(1.0f, search.Record(0).weight);
}

TEST(NBestDistinctPathsTest, NothingToFindGivesNoRecord) {
  fst::VectorFst<StdArc> noStart;
  fst::VectorFst<StdArc> noPath = Paths({});
  fst::VectorFst<StdArc> noFinal;
  noFinal.SetStart(noFinal.AddState());
  noFinal.AddArc(0, StdArc(7, 3, 1.0f, noFinal.AddState()));
  for (const fst::VectorFst<StdArc>* f : {&noStart, &noPath, &noFinal}) {
    Search search;
    SearchPaths(*f, search);
    EXPECT_TRUE(search.set.order.empty());
    EXPECT_TRUE(search.set.paths.empty());
    EXPECT_FALSE(search.tree.Properties(fst::kError, false));
  }
  const auto f = Paths({{{7, 3, 1.0f}}});
  for (auto [n, threshold] : {std::pair<int32_t, float>{0, 4.0f}, {2, -1.0f}}) {
    Search search;
    SearchPaths(f, search, n, threshold);
    EXPECT_TRUE(search.set.order.empty()) << n << " " << threshold;
  }
}

TEST(NBestDistinctPathsTest, CompletePathsAreCappedAtEightThousand) {
  // 2^13 = 8192 paths of weight 0 that all spell 3: only 8000 are walked.
  fst::VectorFst<StdArc> f;
  f.SetStart(f.AddState());
  for (int i = 0; i < 13; ++i) {
    const auto next = f.AddState();
    f.AddArc(i, StdArc(7, i == 0 ? 3 : 0, 0.0f, next));
    f.AddArc(i, StdArc(8, i == 0 ? 3 : 0, 0.0f, next));
  }
  f.SetFinal(13, 0.0f);
  Search search;
  SearchPaths(f, search);
  ASSERT_EQ(1u, search.set.order.size());
  float expected = 0.0f;
  for (int i = 1; i < kDistinctPathCap; ++i) expected = LogPlus(expected, 0.0f);
  EXPECT_EQ(expected, search.Record(0).weight);
  EXPECT_NEAR(-std::log(8000.0f), search.Record(0).weight, 1e-3);
}

TEST(NBestDistinctPathsTest, AppendArcToPathSkipsOnlyTheClosingArc) {
  DistinctPathSet set{kPieces, kSkipped};
  DecodedPath path;
  AppendArcToPath(set, path, StdArc(0, 0, 0.0f, 1));
  AppendArcToPath(set, path, StdArc(0, 0, -0.0f, 1));
  EXPECT_TRUE(path.inputLabels.empty());
  AppendArcToPath(set, path, StdArc(0, 0, std::nanf(""), 1));  // not a number is not 0
  AppendArcToPath(set, path, StdArc(1, 5, 0.0f, 1));
  AppendArcToPath(set, path, StdArc(1, 42, 0.5f, 1));  // a label without pieces spells nothing
  EXPECT_EQ((LabelList{0, 1, 1}), path.inputLabels);
  EXPECT_EQ((LabelList{0, 5, 42}), path.outputLabels);
  EXPECT_EQ((LabelList{3, 4}), path.outputPieces);
}

}  // namespace
