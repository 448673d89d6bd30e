#include <gtest/gtest.h>

#include <fst/vector-fst.h>

#include "modelbuild/LanguageModelBuilder.h"
#include "suggest/LanguageModelQuery.h"

namespace {

TEST(LanguageModelQueryTest, GateOnLengthRepeatsAndReadiness) {
  struct Case {
    std::string query;
    bool modelReady;
    bool decoded;
  };
  const Case cases[] = {
      {"abcdefghijklmnopqrs", true, true},    // 19 bytes
      {"abcdefghijklmnopqrst", true, false},  // 20 bytes
      {"\xE0\xA6\x95\xE0\xA6\x95\xE0\xA6\x95\xE0\xA6\x95\xE0\xA6\x95\xE0\xA6\x95\xE0", true, true},  // 19 bytes
      {"aaaaab", true, true},                 // five in a row
      {"aaaaaa", true, false},                // six in a row
      {"xyaaaaaaaaz", true, false},           // six or more anywhere
      {"ab......", true, false},              // stripped later, but tested as typed
      {"ababababab", true, true},
      {"", true, true},
      {"amar", false, false},                 // model not ready
  };
  for (const Case& c : cases) EXPECT_EQ(c.decoded, PassesLanguageModelQueryGate(c.query, c.modelReady)) << c.query;
}

TEST(LanguageModelQueryTest, PreparationStripsExactlyTheListedPunctuation) {
  EXPECT_EQ("", PrepareLanguageModelQuery("!\"#$%&'()*+,./:;<>?@^_{}~"));
  EXPECT_EQ("az AZ09-=[]\\|`", PrepareLanguageModelQuery("a!z AZ09-=[]\\|`?"));
  const std::string bengali = "\xE0\xA6\x95.\xE0\xA6\xBE";
  EXPECT_EQ("\xE0\xA6\x95\xE0\xA6\xBE", PrepareLanguageModelQuery(bengali));
}

TEST(LanguageModelQueryTest, SplitsIntoCodePointsUpToTheFirstNul) {
  using Parts = std::vector<std::string>;
  EXPECT_EQ((Parts{"a", "\xE0\xA6\x95", "\xF0\x9F\x98\x80", "b"}),
            SplitUtf8IntoCharacters("a\xE0\xA6\x95\xF0\x9F\x98\x80"
                                    "b"));
  EXPECT_EQ((Parts{"a", "b"}), SplitUtf8IntoCharacters(std::string("ab\0cd", 5)));
  EXPECT_TRUE(SplitUtf8IntoCharacters("").empty());
  EXPECT_ANY_THROW(SplitUtf8IntoCharacters("a\xE0\xA6"));
  EXPECT_ANY_THROW(SplitUtf8IntoCharacters("\xff"));
}

TEST(LanguageModelQueryTest, UnknownCharactersAreReportedAndLeftOut) {
  LanguageModelBuilder builder("+");
  const int32_t a = builder.InputLabel("a"), b = builder.InputLabel("b");
  ::testing::internal::CaptureStderr();
  const LabelList labels = MapCharactersToInputLabels("axb", builder.inputSymbols());
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ((LabelList{a, b}), labels);
  EXPECT_EQ("Symbol: 'x' not found in input symbols table.\nMapping to null...\n", err);
}

struct LatticeArc {
  int from, to, label;
  bool operator==(const LatticeArc& o) const { return from == o.from && to == o.to && label == o.label; }
};

std::vector<LatticeArc> Arcs(const fst::VectorFst<fst::StdArc>& lattice) {
  std::vector<LatticeArc> arcs;
  for (int s = 0; s < lattice.NumStates(); ++s) {
    for (fst::ArcIterator<fst::VectorFst<fst::StdArc>> it(lattice, s); !it.Done(); it.Next()) {
      EXPECT_EQ(it.Value().ilabel, it.Value().olabel);
      EXPECT_EQ(fst::TropicalWeight::One(), it.Value().weight);
      arcs.push_back({s, it.Value().nextstate, it.Value().ilabel});
    }
  }
  return arcs;
}

TEST(LanguageModelQueryTest, LatticeHoldsCharactersAndUnits) {
  // a 3, b 4, a+b 5; c 6 and the three-piece unit a+b+c 7.
  const PiecesLabelMap units = {{{3, 4}, 5}, {{3, 4, 6}, 7}};
  fst::VectorFst<fst::StdArc> lattice;
  BuildInputLattice({3, 4}, lattice, 2, units);
  EXPECT_EQ(3, lattice.NumStates());
  EXPECT_EQ(0, lattice.Start());
  EXPECT_EQ(fst::TropicalWeight::One(), lattice.Final(2));
  EXPECT_EQ(fst::TropicalWeight::Zero(), lattice.Final(1));
  EXPECT_EQ((std::vector<LatticeArc>{{0, 1, 3}, {0, 2, 5}, {1, 2, 4}}), Arcs(lattice));

  fst::VectorFst<fst::StdArc> wider;
  BuildInputLattice({3, 4, 6}, wider, 3, units);
  EXPECT_EQ((std::vector<LatticeArc>{{0, 1, 3}, {0, 2, 5}, {0, 3, 7}, {1, 2, 4}, {2, 3, 6}}), Arcs(wider));

  fst::VectorFst<fst::StdArc> chain;  // a span limit of 1 ignores every unit
  BuildInputLattice({3, 4}, chain, 1, units);
  EXPECT_EQ((std::vector<LatticeArc>{{0, 1, 3}, {1, 2, 4}}), Arcs(chain));
}

TEST(LanguageModelQueryTest, NoLabelsGiveOneStateThatIsStartAndFinal) {
  fst::VectorFst<fst::StdArc> lattice;
  BuildInputLattice({}, lattice, 2, {});
  EXPECT_EQ(1, lattice.NumStates());
  EXPECT_EQ(0, lattice.Start());
  EXPECT_EQ(fst::TropicalWeight::One(), lattice.Final(0));
}

TEST(LanguageModelQueryTest, AUnitWithAnUnknownPieceGetsNoArc) {
  const PiecesLabelMap units = {{{3, -1}, 5}};
  fst::VectorFst<fst::StdArc> lattice;
  BuildInputLattice({3, 4}, lattice, 2, units);
  EXPECT_EQ((std::vector<LatticeArc>{{0, 1, 3}, {1, 2, 4}}), Arcs(lattice));
}

}  // namespace
