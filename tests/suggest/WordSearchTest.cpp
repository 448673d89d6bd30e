#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "WordTrieFixture.h"
#include "conversion/CodePoints.h"
#include "suggest/ByteLevenshtein.h"
#include "suggest/FuzzyMatch.h"
#include "suggest/WordSearch.h"
#include "support/TestText.h"

namespace {

using Words = std::vector<std::string>;

// ক র া ন ো র ে র া ম ি: every prefix of it is a word, one letter longer each.
const std::u32string kChain = U"\u0995\u09B0\u09BE\u09A8\u09CB\u09B0\u09C7\u09B0\u09BE\u09AE\u09BF";

std::string ChainWord(size_t letters) { return U8(kChain.substr(0, letters)); }

// Long words that come first in byte order after ক and after কর (খ U+0996
// has a smaller last byte than র and া), so only a real sort keeps them out.
const std::string kLongAfterKa = U8(U"\u0995\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996");
const std::string kLongAfterKaRa = U8(U"\u0995\u09B0\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996\u0996");

// Near words of the query কলস (U+0995 U+09B2 U+09B8), which begins no word.
const std::string kKalas = U8(U"\u0995\u09B2\u09B8");
const std::string kKalam = U8(U"\u0995\u09B2\u09AE");     // last byte differs: 1
const std::string kKhalas = U8(U"\u0996\u09B2\u09B8");    // 1, but another first letter
const std::string kKauHa = U8(U"\u0995\u09CC\u09B9");     // 3
const std::string kKauKau = U8(U"\u0995\u09CC\u09CC");    // 4

Words FixtureWords() {
  Words words;
  for (size_t n = 1; n <= kChain.size(); ++n) words.push_back(ChainWord(n));
  Words more = {kLongAfterKa, kLongAfterKaRa, kKalam, kKhalas, kKauHa, kKauKau,
                "kmn", "kmna", "kmnp", "kmnq", "kmnr", "kmns", "kmo", "kxyz", "kxyzw", "jmno"};
  words.insert(words.end(), more.begin(), more.end());
  return words;
}

TEST(WordSearchTest, ExactSearchGivesTheSevenShortestCompletions) {
  SKIP_WITHOUT_WORD_TRIE();
  ScopedWordTrie trie(FixtureWords());

  // কর is a word and the prefix of ten more, of distinct lengths.
  Words expected;
  for (size_t n = 2; n <= 8; ++n) expected.push_back(ChainWord(n));
  EXPECT_EQ(SearchWords(ChainWord(2)), expected);

  // A word that begins no other word comes back alone.
  EXPECT_EQ(SearchWords(ChainWord(11)), Words{ChainWord(11)});

  // ক: three 9-byte words tie with করা; only the order inside a length is free.
  Words found = SearchWords(ChainWord(1));
  ASSERT_EQ(found.size(), 7u);
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), WordLengthLess));
  Words want = {ChainWord(1), ChainWord(2), ChainWord(3), kKalam, kKauHa, kKauKau, ChainWord(4)};
  std::sort(found.begin(), found.end());
  std::sort(want.begin(), want.end());
  EXPECT_EQ(found, want);
}

TEST(WordSearchTest, FallbackKeepsNearWordsOfTheSameFirstCharacter) {
  SKIP_WITHOUT_WORD_TRIE();
  ScopedWordTrie trie(FixtureWords());
  ASSERT_EQ(ByteLevenshteinDistance(kKalas, kKauHa), 3);
  ASSERT_EQ(ByteLevenshteinDistance(kKalas, kKauKau), 4);
  ASSERT_EQ(ByteLevenshteinDistance(kKalas, kKhalas), 1);

  struct Case {
    std::string query;
    Words expected;
  } cases[] = {
      // Three-byte first letter: খলস shares two bytes of it and stays out;
      // করা is 2 bytes away; কৌৌ at 4 never comes.
      {kKalas, {kKalam, ChainWord(3), kKauHa}},
      // ASCII first byte: jmno is 1 away but begins otherwise; ties at one
      // distance in byte order (a proper prefix first), cut at seven, so
      // kxyz (3) is cut and kxyzw (4) never qualifies.
      {"kmno", {"kmn", "kmna", "kmnp", "kmnq", "kmnr", "kmns", "kmo"}},
      {"kxyw", {"kxyz", "kxyzw", "kmn", "kmna", "kmnp", "kmnq", "kmnr"}},
      // Nothing within 3 bytes.
      {"kabcdefg", {}},
      {"zzz", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SearchWords(c.query), c.expected) << c.query;
}

TEST(WordSearchTest, LimitedSearchKeepsTrieOrderAndNeverFallsBack) {
  SKIP_WITHOUT_WORD_TRIE();
  ScopedWordTrie trie(FixtureWords());
  EXPECT_EQ(SearchWordsLimited(ChainWord(2), 1), Words{ChainWord(2)});
  EXPECT_EQ(SearchWordsLimited(ChainWord(2), 3), (Words{ChainWord(2), kLongAfterKaRa, ChainWord(3)}));
  EXPECT_EQ(SearchWordsLimited(ChainWord(10), 5), (Words{ChainWord(10), ChainWord(11)}));
  EXPECT_TRUE(SearchWordsLimited(kKalas, 2).empty());
  EXPECT_TRUE(SearchWordsLimited("", 2).empty());
  EXPECT_TRUE(SearchWordsLimited(ChainWord(2), 0).empty());
}

TEST(WordSearchTest, NothingIsFoundWithoutATrieOrForAnEmptyQuery) {
  EXPECT_TRUE(SearchWords(ChainWord(1)).empty());
  EXPECT_TRUE(SearchWordsLimited(ChainWord(1), 2).empty());
  SKIP_WITHOUT_WORD_TRIE();
  ScopedWordTrie trie(FixtureWords());
  EXPECT_TRUE(SearchWords("").empty());
}

// The searches as plainly as they can be written: every completion collected
// and sorted (shorter first, byte order within a length), or else the byte
// edit distance to every word that shares the query's first character
// (nearest first, then byte order); the first 7 either way.
Words ReferenceSearch(const Words& dictionary, const std::string& query) {
  Words completions;
  for (const std::string& w : dictionary)
    if (w.compare(0, query.size(), query) == 0) completions.push_back(w);
  if (!completions.empty()) {
    std::sort(completions.begin(), completions.end(), [](const std::string& a, const std::string& b) {
      return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    if (completions.size() > 7) completions.resize(7);
    return completions;
  }
  const unsigned char lead = static_cast<unsigned char>(query[0]);
  const size_t firstLength = (lead & 0xF0) == 0xF0 ? 4 : (lead & 0xE0) == 0xE0 ? 3 : (lead & 0xC0) == 0xC0 ? 2 : 1;
  const std::string first = query.substr(0, firstLength);
  std::vector<FuzzyMatch> matches;
  for (const std::string& w : dictionary) {
    if (w.compare(0, first.size(), first) != 0) continue;
    int32_t d = ByteLevenshteinDistance(query, w);
    if (d <= 3) matches.push_back({w, d});
  }
  std::sort(matches.begin(), matches.end(), FuzzyMatchLess);
  Words words;
  for (size_t i = 0; i < matches.size() && i < 7; ++i) words.push_back(matches[i].word);
  return words;
}

// Words over small alphabets, so that prefixes are shared and near words are
// common, queried with thousands of prefixes, changed copies and random
// strings of them: ASCII letters (one-byte first characters) and Bengali
// letters and signs (three bytes, which differ in their last byte or two).
TEST(WordSearchTest, AgreesWithSortingEveryCandidate) {
  SKIP_WITHOUT_WORD_TRIE();
  std::mt19937 random(7);
  const std::u32string bengali = U"\u0995\u0996\u09B0\u09BE\u09BF\u09CD\u09B7\u0985";
  auto randomWord = [&](size_t maxLength, bool inBengali) {
    std::u32string w(1 + random() % maxLength, U'a');
    for (char32_t& c : w) c = inBengali ? bengali[random() % bengali.size()] : U'a' + random() % 4;
    return U8(w);
  };
  Words dictionary;
  for (int i = 0; i < 1500; ++i) dictionary.push_back(randomWord(9, false));
  for (int i = 0; i < 1500; ++i) dictionary.push_back(randomWord(7, true));
  dictionary.push_back(U8(U"\u0995\u0996\u09B0\u09BE\u09BF\u09CD\u09B7\u0985\u0995\u0996\u09B0\u09BE\u09BF\u09CD\u09B7\u0985"));
  std::sort(dictionary.begin(), dictionary.end());
  dictionary.erase(std::unique(dictionary.begin(), dictionary.end()), dictionary.end());
  ScopedWordTrie trie(dictionary);
  for (int i = 0; i < 6000; ++i) {
    std::string query;
    const std::string& word = dictionary[random() % dictionary.size()];
    switch (i % 4) {
      case 0:  // a prefix of a word, cut anywhere, inside a character too
        query = word.substr(0, 1 + random() % word.size());
        break;
      case 1:  // a word with a few bytes changed, dropped or added
        query = word;
        for (size_t n = 1 + random() % 3; n > 0; --n) {
          size_t at = random() % query.size();
          switch (random() % 3) {
            case 0: query[at] = dictionary[random() % dictionary.size()][0]; break;
            case 1: if (query.size() > 1) query.erase(at, 1); break;
            default: query.insert(at, 1, word[random() % word.size()]);
          }
        }
        break;
      case 2:
        query = randomWord(12, false);
        break;
      default:
        query = randomWord(10, true);
    }
    ASSERT_EQ(SearchWords(query), ReferenceSearch(dictionary, query)) << query;
  }
  // Longer than any word by more than the distance bound, and just within it.
  const std::string& longest = *std::max_element(
      dictionary.begin(), dictionary.end(),
      [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  EXPECT_EQ(SearchWords(longest + "abc"), Words{longest});
  EXPECT_EQ(SearchWords(longest + "abcd"), Words{});
  EXPECT_EQ(SearchWordsLimited(longest, 2), Words{longest});
  EXPECT_EQ(SearchWordsLimited(longest + "a", 2), Words{});
}

}  // namespace
