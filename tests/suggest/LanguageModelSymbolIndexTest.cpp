#include <gtest/gtest.h>

#include "modelbuild/LanguageModelBuilder.h"
#include "suggest/LabelSequenceHash.h"
#include "suggest/SymbolIndex.h"

namespace {

struct Index {
  LabelPiecesMap labelToPieces;
  PiecesLabelMap piecesToLabel;
  int32_t maxSpan = 0;
};

Index Build(const fst::SymbolTable& table) {
  Index index;
  index.maxSpan = BuildSymbolIndex(table, index.labelToPieces, index.piecesToLabel);
  return index;
}

TEST(LanguageModelSymbolIndexTest, LabelSequenceHashValues) {
  EXPECT_EQ(0u, LabelSequenceHash64({}));
  EXPECT_EQ(0xae32d55fb016934aULL, LabelSequenceHash64({1, 2}));
  EXPECT_EQ(0x9a3fecc6d45cc001ULL, LabelSequenceHash64({2, 1}));
}

TEST(LanguageModelSymbolIndexTest, TwoSymbolsOrFewerGiveEmptyMapsAndSpanOne) {
  fst::SymbolTable table;
  table.AddSymbol("<eps>", 0);
  table.AddSymbol("+", 1);
  const Index index = Build(table);
  EXPECT_TRUE(index.labelToPieces.empty());
  EXPECT_TRUE(index.piecesToLabel.empty());
  EXPECT_EQ(1, index.maxSpan);
}

TEST(LanguageModelSymbolIndexTest, SeparatorSplitsUnitsIntoPieces) {
  LanguageModelBuilder builder("+");
  ASSERT_EQ(5, builder.InputLabel("a+b"));  // adds a (3) and b (4) first
  fst::SymbolTable& table = builder.inputSymbols();
  const int64_t doubled = table.AddSymbol("a++b");
  const int64_t outer = table.AddSymbol("+a+b+");
  const int64_t unknownPiece = table.AddSymbol("a+x");

  const Index index = Build(table);
  EXPECT_EQ(2, index.piecesToLabel.at({2}));
  EXPECT_EQ(3, index.piecesToLabel.at({3}));
  EXPECT_EQ(4, index.piecesToLabel.at({4}));
  EXPECT_EQ(5, index.piecesToLabel.at({3, 4}));  // the lowest of three keys with these pieces
  EXPECT_EQ((LabelList{3, 4}), index.labelToPieces.at(doubled));
  EXPECT_EQ((LabelList{3, 4}), index.labelToPieces.at(outer));
  EXPECT_EQ((LabelList{3, -1}), index.labelToPieces.at(unknownPiece));
  EXPECT_EQ(2, index.maxSpan);
}

TEST(LanguageModelSymbolIndexTest, WithoutASeparatorEverySymbolIsItsOwnPiece) {
  for (bool withSymbolOne : {true, false}) {
    LanguageModelBuilder builder("", withSymbolOne);
    fst::SymbolTable& table = builder.inputSymbols();
    const int64_t a = table.AddSymbol("a");
    const int64_t ab = table.AddSymbol("a+b");
    const int64_t last = table.AddSymbol("b");
    const Index index = Build(table);
    EXPECT_EQ((LabelList{static_cast<int32_t>(a)}), index.labelToPieces.at(a)) << withSymbolOne;
    EXPECT_EQ((LabelList{static_cast<int32_t>(ab)}), index.labelToPieces.at(ab)) << withSymbolOne;
    // Without symbol 1 the count of symbols is below the highest key; the
    // last symbol is indexed all the same.
    EXPECT_EQ((LabelList{static_cast<int32_t>(last)}), index.labelToPieces.at(last)) << withSymbolOne;
    EXPECT_EQ(1, index.maxSpan) << withSymbolOne;
  }
}

TEST(LanguageModelSymbolIndexTest, OutputPiecesOfAMultiPieceWord) {
  LanguageModelBuilder builder("+");
  const int32_t word = builder.OutputLabel("\xE0\xA6\x96\xE0\xA6\xBE+\xE0\xA6\xB0");
  const Index index = Build(builder.outputSymbols());
  EXPECT_EQ((LabelList{builder.OutputLabel("\xE0\xA6\x96\xE0\xA6\xBE"), builder.OutputLabel("\xE0\xA6\xB0")}),
            index.labelToPieces.at(word));
}

}  // namespace
