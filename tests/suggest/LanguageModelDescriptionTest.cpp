#include <gtest/gtest.h>

#include <sstream>

#include "conversion/CodePoints.h"
#include "modelbuild/ModelDescription.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelTestFiles.h"

namespace {

std::unique_ptr<LanguageModelBuilder> Parse(const std::string& text, std::string* error = nullptr) {
  std::istringstream in(text);
  std::string ignored;
  return ParseModelDescription(in, error ? error : &ignored);
}

class LanguageModelDescriptionTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetLanguageModelGlobals(); }
};

TEST_F(LanguageModelDescriptionTest, WordsUnitsAndArcsMakeALoadableModel) {
  const std::string ami = Utf8FromCodePoints(U"\u0986\u09AE\u09BF");
  const std::string khabar = Utf8FromCodePoints(U"\u0996\u09AC\u09B0");
  const std::string ka = Utf8FromCodePoints(U"\u0995");
  auto builder = Parse("# a small model\n"
                       "separator +\n"
                       "\n"
                       "word 1.5 ami " + ami + "\r\n"
                       "word 2 (kh)abar " + khabar + "\n"
                       "arc start mid x - 0.5\n"
                       "arc mid tail - " + ka + " 0\n"
                       "final tail 0.25\n");
  ASSERT_TRUE(builder);
  EXPECT_NE(fst::kNoSymbol, builder->inputSymbols().Find("k+h"));
  ASSERT_TRUE(LoadBuiltModel(*builder));
  EXPECT_EQ(std::vector<std::string>{ami}, DecodeWithLanguageModel("ami", true));
  EXPECT_EQ(std::vector<std::string>{khabar}, DecodeWithLanguageModel("khabar", true));
  EXPECT_EQ(std::vector<std::string>{ka}, DecodeWithLanguageModel("x", true));
}

TEST_F(LanguageModelDescriptionTest, SeparatorLineSetsSymbolOne) {
  auto plus = Parse("word 1 a x\n");
  ASSERT_TRUE(plus);
  EXPECT_EQ("+", plus->inputSymbols().Find(int64_t{1}));
  auto empty = Parse("separator\nword 1 a x\n");
  ASSERT_TRUE(empty);
  EXPECT_EQ("", empty->separator());
  auto dash = Parse("separator -\nword 1 (ab) x\n");
  ASSERT_TRUE(dash);
  EXPECT_NE(fst::kNoSymbol, dash->inputSymbols().Find("a-b"));
}

TEST_F(LanguageModelDescriptionTest, ErrorsNameTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"word 1 a\n", "line 1: word takes WEIGHT KEYS OUTPUT"},
      {"\nword x a b\n", "line 2: bad weight 'x'"},
      {"word 1 a b\nseparator +\n", "line 2: separator must come before every other entry"},
      {"arc start end a b\n", "line 1: arc takes FROM TO IN OUT WEIGHT"},
      {"final end nan\n", "line 1: bad weight 'nan'"},
      {"words 1 a b\n", "line 1: unknown entry 'words'"},
      {"word 1 a\xE0\xA6 b\n", "line 1: keys are not UTF-8"},
  };
  for (const auto& [text, message] : cases) {
    std::string error;
    EXPECT_FALSE(Parse(text, &error)) << text;
    EXPECT_EQ(message, error) << text;
  }
}

}  // namespace
