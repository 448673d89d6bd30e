#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "conversion/CodePoints.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelTestFiles.h"
#include "suggest/LogPlus.h"

namespace {

using Words = std::vector<std::string>;

const std::string kA = Utf8FromCodePoints(U"\u0985");           // bytes E0 A6 85
const std::string kKa = Utf8FromCodePoints(U"\u0995");          // bytes E0 A6 95
const std::string kKi = Utf8FromCodePoints(U"\u0995\u09BF");
const std::string kKha = Utf8FromCodePoints(U"\u0996\u09BE");
const std::string kAmi = Utf8FromCodePoints(U"\u0986\u09AE\u09BF");

class LanguageModelDecoderTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetLanguageModelGlobals(); }
  void Load(const LanguageModelBuilder& builder) { ASSERT_TRUE(LoadBuiltModel(builder)); }
  static Words Decode(const std::string& query) { return DecodeWithLanguageModel(query, true); }
};

TEST_F(LanguageModelDecoderTest, TwoWordsComeInByteOrderNotScoreOrder) {
  LanguageModelBuilder builder;
  builder.AddWord(KeyUnits("ka", "+"), kKa, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kA, 2.0f);
  Load(builder);
  EXPECT_EQ((Words{kA, kKa}), Decode("ka"));
}

TEST_F(LanguageModelDecoderTest, OneOutputOneWordNoOutputNoWord) {
  LanguageModelBuilder builder;
  builder.AddWord(KeyUnits("a", "+"), kA, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kKa, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kKi, 5.5f);  // more than 4.0 worse than the best: pruned
  builder.InputLabel("z");
  Load(builder);
  EXPECT_EQ((Words{kA}), Decode("a"));
  EXPECT_EQ((Words{kKa}), Decode("ka"));
  EXPECT_EQ(Words{}, Decode("zz"));
  EXPECT_EQ(Words{}, Decode("kak"));
}

TEST_F(LanguageModelDecoderTest, TwoOutputsThatSpellTheSameWordGiveOneWord) {
  LanguageModelBuilder builder("+");
  builder.AddWord(KeyUnits("ki", "+"), kKi, 1.0f);
  builder.AddWord(KeyUnits("ki", "+"), Utf8FromCodePoints(U"\u0995+\u09BF"), 1.5f);
  Load(builder);
  EXPECT_EQ((Words{kKi}), Decode("ki"));
}

// Two outputs that spell one word count once: the search goes on to the
// next word the model has, rather than stopping at two outputs that come out
// as one word.
TEST_F(LanguageModelDecoderTest, SecondWordIsFoundPastAnotherSpellingOfTheFirst) {
  const std::string kKii = Utf8FromCodePoints(U"\u0995\u09C0");
  LanguageModelBuilder builder("+");
  builder.AddWord(KeyUnits("ki", "+"), kKi, 1.0f);
  builder.AddWord(KeyUnits("ki", "+"), Utf8FromCodePoints(U"\u0995+\u09BF"), 1.5f);
  builder.AddWord(KeyUnits("ki", "+"), kKii, 2.0f);
  Load(builder);
  EXPECT_EQ((Words{kKi, kKii}), Decode("ki"));
}

TEST_F(LanguageModelDecoderTest, OutputsOfOnlyUnspelledLabelsGiveNoWord) {
  LanguageModelBuilder builder("+");
  const int32_t x = builder.InputLabel("x");
  builder.AddArc(LanguageModelBuilder::kStart, LanguageModelBuilder::kWordEnd, x, 2, 0.5f);
  builder.AddArc(LanguageModelBuilder::kStart, LanguageModelBuilder::kWordEnd, x, 1, 0.7f);
  builder.AddWord(KeyUnits("x", "+"), kKa, 1.0f);
  Load(builder);
  EXPECT_EQ((Words{kKa}), Decode("x"));
}

TEST_F(LanguageModelDecoderTest, UnitsMatchAcrossCharactersAndUnknownOnes) {
  LanguageModelBuilder builder("+");
  builder.AddWord(KeyUnits("(kh)a", "+"), kKha, 1.0f);
  builder.AddWord(KeyUnits("(ab)", "+"), kAmi, 1.0f);
  Load(builder);
  EXPECT_EQ((Words{kKha}), Decode("kha"));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ((Words{kAmi}), Decode("aqb"));
  EXPECT_NE(std::string::npos, ::testing::internal::GetCapturedStderr().find("Symbol: 'q' not found"));
  EXPECT_EQ((Words{kAmi}), Decode("a.b"));  // stripped, not reported
}

TEST_F(LanguageModelDecoderTest, GateDecidesBeforeAnythingIsStripped) {
  // Every letter loops on the start state; one epsilon-input arc writes the word.
  LanguageModelBuilder builder("+");
  for (char c = 'a'; c <= 'z'; ++c) {
    builder.AddArc(LanguageModelBuilder::kStart, LanguageModelBuilder::kStart, builder.InputLabel(std::string(1, c)),
                   0, 0.0f);
  }
  builder.AddWord({}, kA, 1.0f);
  Load(builder);
  EXPECT_EQ((Words{kA}), Decode("abcdefghijklmnopqrs"));
  EXPECT_EQ(Words{}, Decode("abcdefghijklmnopqrst"));
  EXPECT_EQ((Words{kA}), Decode("aaaaab"));
  EXPECT_EQ(Words{}, Decode("baaaaaa"));
  EXPECT_EQ(Words{}, Decode("a......"));
  EXPECT_EQ((Words{kA}), Decode("!?."));  // nothing left: only paths that read no input
  EXPECT_EQ(Words{}, DecodeWithLanguageModel("amar", false));
}

TEST_F(LanguageModelDecoderTest, NoExceptionLeavesADecode) {
  LanguageModelBuilder builder;
  builder.AddWord(KeyUnits("a", "+"), kA, 1.0f);
  Load(builder);
  EXPECT_EQ(Words{}, DecodeWithLanguageModel("a\xE0\xA6", true));
  EXPECT_EQ(Words{}, DecodeWithLanguageModel("\xff", true));
}

TEST_F(LanguageModelDecoderTest, OneRecordOfWeightFiveNormalisesToZero) {
  LanguageModelBuilder builder;
  builder.AddWord(KeyUnits("a", "+"), kA, 5.0f);
  Load(builder);
  const std::vector<DecodedPath> records = RunLanguageModelDecoder("a", 4.0f, 0.0);
  ASSERT_EQ(1u, records.size());
  EXPECT_EQ(0.0f, records[0].weight);
  // The running sum after it: a tiny negative number, below the cutoff 0.
  const float cumulative = LogPlus(99.0f, 0.0f);
  EXPECT_LT(cumulative, 0.0f);
  EXPECT_GT(cumulative, -1e-40f);
  EXPECT_EQ((Words{kA}), Decode("a"));
}

TEST_F(LanguageModelDecoderTest, TwoRecordsShareTheMassFound) {
  LanguageModelBuilder builder;
  builder.AddWord(KeyUnits("ka", "+"), kKa, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kA, 2.5f);
  Load(builder);
  const std::vector<DecodedPath> records = RunLanguageModelDecoder("ka", 4.0f, 0.0);
  ASSERT_EQ(2u, records.size());
  const float total = LogPlus(LogPlus(99.0f, 1.0f), 2.5f);
  EXPECT_EQ(1.0f - total, records[0].weight);  // found first: the better one
  EXPECT_EQ(2.5f - total, records[1].weight);
  EXPECT_NEAR(1.0, std::exp(-records[0].weight) + std::exp(-records[1].weight), 1e-6);

  // Without normalisation (a cutoff at or above the seed) the weights stay.
  const std::vector<DecodedPath> raw = RunLanguageModelDecoder("ka", 4.0f, 99.0);
  ASSERT_EQ(2u, raw.size());
  EXPECT_EQ(1.0f, raw[0].weight);
  EXPECT_EQ(2.5f, raw[1].weight);
}

TEST_F(LanguageModelDecoderTest, ThreadsDecodeTheSameModelAtOnce) {
  LanguageModelBuilder builder("+");
  builder.AddWord(KeyUnits("(kh)a", "+"), kKha, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kKa, 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), kA, 2.0f);
  Load(builder);
  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t, &mismatches] {
      for (int i = 0; i < 200; ++i) {
        if (Decode("ka") != Words{kA, kKa}) ++mismatches[t];
        if (Decode("kha") != Words{kKha}) ++mismatches[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), mismatches);
}

}  // namespace
