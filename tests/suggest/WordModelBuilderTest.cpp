#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "conversion/PhoneticTableRows.h"
#include "modelbuild/SpellingTable.h"
#include "modelbuild/WordModelBuilder.h"
#include "modelbuild/WordPriors.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelTestFiles.h"

namespace {

using Words = std::vector<std::string>;

class WordModelBuilderTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetLanguageModelGlobals(); }

  // Builds and loads the model of words, each at cost 1 unless listed at 0.
  void Load(const Words& words, const Words& cheaper = {}) {
    WordModelBuilder builder(table_);
    for (const std::string& word : words) {
      const bool cheap = std::find(cheaper.begin(), cheaper.end(), word) != cheaper.end();
      ASSERT_TRUE(builder.AddWord(word, cheap ? 0.0f : 1.0f)) << word;
    }
    ASSERT_TRUE(LoadBuiltModel(builder.Finish()));
  }
  static Words Decode(const std::string& keys) { return DecodeWithLanguageModel(keys, true); }
  // The share-of-mass weight (lower is likelier) the decoder gives word.
  static float Weight(const std::string& keys, const std::string& word) {
    for (const DecodedPath& path : RunLanguageModelDecoder(keys, 4.0f, 0.0)) {
      std::string spelled;
      for (int32_t piece : path.outputPieces) spelled += ModelOutputSymbols->Find(piece);
      if (spelled == word) return path.weight;
    }
    return 1e9f;
  }

  const SpellingTable table_{LutemPhoneticRows()};
};

TEST_F(WordModelBuilderTest, WordsAreReachedFromTheTablesAndFromLooseSpellings) {
  Load({"\u09AC\u09A1\u09BC", "বিশ্বাস", "কথা", "শিক্ষক", "জন্য", "বাংলা", "সময়", "ট্রেন", "দুঃখ", "চাঁদ", "ব্যবসা"});
  const struct {
    const char* keys;
    const char* word;
  } cases[] = {
      {"bishwas", "বিশ্বাস"}, {"biswas", "বিশ্বাস"},    // শ typed "S", lowered; ্ব "w"
      {"kotha", "কথা"},       {"kthaa", "কথা"},         // the inherent vowel written or not; া "aa"
      {"shikkhok", "শিক্ষক"}, {"sikkhok", "শিক্ষক"},    // শ as "s"
      {"jonno", "জন্য"},      {"jonyo", "জন্য"},        // ্য as a doubled consonant or "y"
      {"bangla", "বাংলা"},    {"shomoy", "সময়"},         // ং "ng"; স typed "sh"
      {"tren", "ট্রেন"},      {"dukkho", "দুঃখ"},        // ট lowered to "t"; ঃখ "kkh"
      {"dukho", "দুঃখ"},      {"chad", "চাঁদ"},          // visarga and candrabindu left out
      {"byabsa", "ব্যবসা"},   {"bebsa", "ব্যবসা"},       // ্য "ya" or "e"
      {"boro", "\u09AC\u09A1\u09BC"},                         // the nukta written apart
  };
  for (const auto& c : cases) {
    const Words words = Decode(c.keys);
    EXPECT_NE(words.end(), std::find(words.begin(), words.end(), std::string(c.word))) << c.keys;
  }
  EXPECT_EQ(Words{}, Decode("xq"));
}

TEST_F(WordModelBuilderTest, EachLooseChoiceCostsMoreThanTheCanonicalSpelling) {
  // তাল is "tal" as the tables write it, থাল only with its "h" dropped.
  Load({"তাল", "থাল", "সাল", "শাল"});
  EXPECT_LT(Weight("tal", "তাল"), Weight("tal", "থাল"));
  EXPECT_LT(Weight("thal", "থাল"), Weight("thal", "তাল"));
  // "sal": স as the tables write it, শ through its capital "S" lowered: both
  // canonical; "shal" is canonical for শ only.
  EXPECT_LT(Weight("shal", "শাল"), Weight("shal", "সাল"));
}

TEST_F(WordModelBuilderTest, TheWordPriorDecidesBetweenWordsSpelledAlike) {
  Load({"বাড়ি", "বারি"}, {"বাড়ি"});
  EXPECT_LT(Weight("bari", "বাড়ি"), Weight("bari", "বারি"));
  ResetLanguageModelGlobals();
  Load({"বাড়ি", "বারি"}, {"বারি"});
  EXPECT_LT(Weight("bari", "বারি"), Weight("bari", "বাড়ি"));
}

TEST_F(WordModelBuilderTest, WordsShareTheirStatesAndUnspellableWordsStayOut) {
  WordModelBuilder one(table_);
  ASSERT_TRUE(one.AddWord("করা", 0.0f));
  const int alone = one.Finish().fst().NumStates();
  WordModelBuilder four(table_);
  for (const char* word : {"করা", "করি", "ধরা", "ধরি"}) ASSERT_TRUE(four.AddWord(word, 0.0f));
  EXPECT_FALSE(four.AddWord("abc", 0.0f));
  EXPECT_FALSE(four.AddWord("", 0.0f));
  // Prefixes and suffixes shared: four words take barely more than one.
  EXPECT_LE(four.Finish().fst().NumStates(), alone + 2);
}

TEST(WordPriorsTest, ListedWordsAndStemsCostLessAndNoListedWordIsAdded) {
  SpellingCosts costs;
  const std::unordered_set<std::string> listed = {"কর", "অন্য"};
  const WordPriors priors({"করি", "কর", "করা", "করে", "কর", "ধর"}, listed, costs);
  ASSERT_EQ((Words{"কর", "করা", "করি", "করে", "ধর"}), priors.words());  // sorted, once each, "অন্য" not added
  EXPECT_TRUE(priors.Listed(0));
  EXPECT_FALSE(priors.Listed(4));
  EXPECT_LT(priors.Cost(0), priors.Cost(1));                // listed, and a stem of three
  EXPECT_FLOAT_EQ(costs.unlistedWord + costs.lonelyWord, priors.Cost(4));
  EXPECT_FLOAT_EQ(priors.Cost(1), priors.Cost(4));          // unlisted, begins nothing
}

}  // namespace
