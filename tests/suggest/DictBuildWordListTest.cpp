#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordList.h"
#include "WordTrieFixture.h"

namespace {

using Words = std::vector<std::string>;

WordList Read(const std::string& text) {
  std::istringstream in(text);
  return ReadWordList(in);
}

TEST(DictBuildWordListTest, CleansLinesAndSkipsBlanksAndRepeats) {
  WordList list = Read(
      "\xEF\xBB\xBF" "first\r\n"
      "\r\n"
      "  \t \n"
      "  padded\t\n"
      "first\n"
      "two words\n"
      "\xE0\xA6\x95\n"
      "last");
  EXPECT_EQ(list.words, (Words{"first", "padded", "two words", "\xE0\xA6\x95", "last"}));
  EXPECT_EQ(list.lines, 8u);
  EXPECT_EQ(list.blankLines, 2u);
  EXPECT_EQ(list.duplicates, 1u);
  EXPECT_TRUE(list.invalidLines.empty());
}

TEST(DictBuildWordListTest, NamesLinesThatAreNotUtf8) {
  WordList list = Read(
      "good\n"
      "\xC0\xAF\n"          // overlong '/'
      "\xED\xA0\x80\n"      // a surrogate
      "\xE0\xA6\n"          // cut short
      "\x80\n"              // a lone continuation byte
      "\xF4\x90\x80\x80\n"  // past U+10FFFF
      + std::string("a\0b\n", 4) +
      "fine\n");
  EXPECT_EQ(list.words, (Words{"good", "fine"}));
  EXPECT_EQ(list.invalidLines, (std::vector<size_t>{2, 3, 4, 5, 6, 7}));
}

TEST(DictBuildWordListTest, BuilderRefusesWordsNoQueryCanReach) {
  SKIP_WITHOUT_WORD_TRIE();
  EXPECT_THROW(BuildWordDictionary({"ok", ""}), std::invalid_argument);
  EXPECT_THROW(BuildWordDictionary({std::string("a\0b", 3)}), std::invalid_argument);
}

}  // namespace
