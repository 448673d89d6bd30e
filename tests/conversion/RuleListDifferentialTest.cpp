// A list applied to a text must give exactly what the plain algorithm gives:
// each rule in order, Boost's regex_replace with the default flags over the
// whole text. The list's passes skip, group and search in ways the plain
// algorithm does not, so these compare the two over many texts made of the
// units the rules read, where matches crowd and overlap.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "conversion/AnsiEncodingRules.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/FixedLayoutRules.h"
#include "conversion/JatiyoRules.h"
#include "conversion/ProbhatRules.h"
#include "conversion/WideUnits.h"
#include "support/TestText.h"

namespace {

std::u16string Plain(const RuleList& list, std::u16string_view text) {
  std::wstring wide = WidenUnits(text);
  for (const RegexRule& rule : list.rules()) wide = boost::regex_replace(wide, rule.pattern, rule.format);
  return NarrowUnits(wide);
}

// Every unit the list's patterns name, and a few that no rule reads.
std::u16string UnitsOf(const RuleList& list, std::u16string extra) {
  std::set<char16_t> units(extra.begin(), extra.end());
  for (const RegexRule& rule : list.rules())
    for (wchar_t u : rule.pattern.str()) units.insert(static_cast<char16_t>(u));
  return std::u16string(units.begin(), units.end());
}

std::u16string RandomText(std::mt19937& rng, const std::u16string& alphabet, size_t length) {
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::u16string text;
  for (size_t n = 0; n < length; ++n) text += alphabet[pick(rng)];
  return text;
}

// Lengths 0 to a few hundred, mostly short, and a few of several thousand.
std::vector<size_t> Lengths(std::mt19937& rng) {
  std::vector<size_t> lengths;
  std::uniform_int_distribution<size_t> shortLength(0, 40);
  std::uniform_int_distribution<size_t> longLength(41, 400);
  for (int n = 0; n < 1500; ++n) lengths.push_back(shortLength(rng));
  for (int n = 0; n < 500; ++n) lengths.push_back(longLength(rng));
  for (size_t length : {2500, 5000, 8000}) lengths.push_back(length);
  return lengths;
}

void ExpectPlainResults(const RuleList& list, const std::vector<std::u16string>& texts) {
  int failures = 0;
  for (const std::u16string& text : texts) {
    const std::u16string expected = Plain(list, text);
    const std::u16string got = list.Apply(text);
    if (got != expected && ++failures <= 5)
      ADD_FAILURE() << "text " << Hex(text.substr(0, 200)) << "\n want " << Hex(expected.substr(0, 200))
                    << "\n got  " << Hex(got.substr(0, 200));
  }
  EXPECT_EQ(failures, 0);
}

TEST(RuleListDifferentialTest, FixedLayoutsOverRandomKeys) {
  const RuleList* lists[] = {&FixedLayoutRules(), &JatiyoModifiedRules(), &ProbhatRules(),
                             &JatiyoRules()};
  std::mt19937 rng(23);
  for (const RuleList* list : lists) {
    SCOPED_TRACE(&list - lists + 4);
    ASSERT_FALSE(list->failed());
    // The keys the rules read, and a space, '@', a Bengali letter, a joiner.
    const std::u16string keys = UnitsOf(*list, u" @\u0995\u200D");
    // Keys one typist would use: a layout's letters with few symbols, so
    // that the movement rules find their consonants.
    const std::u16string letters = UnitsOf(*list, u"") + u"abcdefghijklmnopqrstuvwxyzaeiouAEIOU";
    std::vector<std::u16string> texts;
    for (size_t length : Lengths(rng))
      texts.push_back(RandomText(rng, texts.size() % 2 == 0 ? keys : letters, length));
    ExpectPlainResults(*list, texts);
  }
}

TEST(RuleListDifferentialTest, AnsiOverTheConversionsOfEveryLayout) {
  const RuleList& ansi = AnsiEncodingRules();
  ASSERT_FALSE(ansi.failed());
  ConversionDispatcher d;
  std::mt19937 rng(59);
  const std::u16string keys = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ`~^&|\\/[]{}<>.,=- ";
  std::vector<std::u16string> texts;
  std::vector<size_t> lengths = Lengths(rng);
  for (size_t k = 0; k < lengths.size(); ++k) {
    const int layout = static_cast<int>(k % 8) + 1;
    texts.push_back(d.Convert(RandomText(rng, keys, lengths[k]), layout, 0));
  }
  // Texts dense in what the ANSI rules read: their own units in any order,
  // decomposed nukta letters, joiners, the glyph codes the early rules write.
  const std::u16string units = UnitsOf(ansi, u" \n");
  for (size_t k = 0; k < 600; ++k) texts.push_back(RandomText(rng, units, lengths[k] / 2));
  ExpectPlainResults(ansi, texts);
}

}  // namespace
