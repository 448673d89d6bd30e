// The four fixed layouts: the cases their key maps and movement rules are
// built for, and the rule counts that show no rule was lost or doubled.
#include <gtest/gtest.h>

#include <string>

#include "conversion/ApplyFixedLayoutRules.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/FixedLayoutRules.h"
#include "conversion/JatiyoRules.h"
#include "conversion/ProbhatRules.h"

namespace {

struct Case {
  const char16_t* keys;
  const char16_t* expected;
};

void ExpectConversions(int layout, std::initializer_list<Case> cases) {
  for (const Case& c : cases)
    EXPECT_EQ(ApplyFixedLayoutRules(c.keys, layout), std::u16string(c.expected))
        << "layout " << layout << ", keys index " << (&c - cases.begin());
}

TEST(FixedLayoutRulesTest, EveryListIsCompleteWithItsRuleCount) {
  struct {
    const RuleList& list;
    size_t count;
  } lists[] = {{FixedLayoutRules(), 103},
               {JatiyoRules(), 101},
               {JatiyoModifiedRules(), 92},
               {ProbhatRules(), 113}};
  for (const auto& l : lists) {
    EXPECT_FALSE(l.list.failed());
    EXPECT_EQ(l.list.size(), l.count);
  }
  // Later calls hand out the same list, never a second build.
  EXPECT_EQ(&FixedLayoutRules(), &FixedLayoutRules());
  EXPECT_EQ(&ProbhatRules(), &ProbhatRules());
}

TEST(FixedLayoutRulesTest, LutemFixed) {
  ExpectConversions(
      4, {
             // Pre-base keys move behind the consonant or the two-consonant cluster.
             {u"cj", u"\u0995\u09C7"},
             {u"Cj", u"\u0995\u09C8"},
             {u"sj", u"\u0995\u09BF"},
             {u"sjgk", u"\u0995\u09CD\u09A4\u09BF"},
             {u"cjf", u"\u0995\u09CB"},
             {u"cjX", u"\u0995\u09CC"},
             {u"jX", u"\u0995\u09D7"},
             // A pre-base key with no consonant after it is dropped.
             {u"js", u"\u0995"},
             {u"c", u""},
             // The reph key moves in front; a waiting pre-base key stays behind it.
             {u"jZ", u"\u09B0\u09CD\u0995"},
             {u"cjZ", u"\u09B0\u09CD\u0995\u09C7"},
             {u"cjgkZ", u"\u09B0\u09CD\u0995\u09CD\u09A4\u09C7"},
             {u"jfZ", u"\u0995\u09BE\u09B0\u09CD"},
             // Three joined consonants: the sign lands behind the second one.
             {u"cjgkgt", u"\u0995\u09CD\u09A4\u09C7\u09CD\u099F"},
             // Phala and vowel in either order.
             {u"jda", u"\u0995\u09CD\u09B0\u09C1"},
             {u"jad", u"\u0995\u09CD\u09B0\u09C1"},
             {u"jfa", u"\u0995\u09CD\u09B0\u09BE"},
             {u"jaf", u"\u0995\u09CD\u09B0\u09BE"},
             {u"^f", u"\u09BE\u0981"},
             {u"vA", u"\u09B0\u200D\u09CD\u09AF"},
             {u"gg", u"\u09CD\u200C"},
             {u"g-", u"\u200C"},
             {u"g=", u"\u200D"},
             {u"gx", u"\u09CB"},
             {u"x", u"\u0993"},
             {u"1234567890", u"\u09E7\u09E8\u09E9\u09EA\u09EB\u09EC\u09ED\u09EE\u09EF\u09E6"},
             {u"\\", u"\u09CE"},
             {u"$", u"\u09F3"},
             {u"@", u"@"},
             {u"", u""},
         });
}

TEST(FixedLayoutRulesTest, Jatiyo) {
  ExpectConversions(
      7, {
             {u"cj", u"\u0995\u09C7"},
             {u"Cj", u"\u0995\u09C8"},
             {u"dj", u"\u0995\u09BF"},
             {u"djgk", u"\u0995\u09CD\u09A4\u09BF"},
             {u"cjf", u"\u0995\u09CB"},
             {u"cjX", u"\u0995\u09CC"},
             {u"jX", u"\u0995\u09D7"},
             {u"jd", u"\u0995"},
             {u"c", u""},
             {u"jA", u"\u09B0\u09CD\u0995"},
             {u"cjgkA", u"\u09B0\u09CD\u0995\u09CD\u09A4\u09C7"},
             {u"djA", u"\u09B0\u09CD\u0995\u09BF"},
             {u"jfA", u"\u0995\u09BE\u09B0\u09CD"},
             {u"jsz", u"\u0995\u09CD\u09B0\u09C1"},
             {u"jzs", u"\u0995\u09CD\u09B0\u09C1"},
             {u"jfz", u"\u0995\u09CD\u09B0\u09BE"},
             {u"&f", u"\u09BE\u0981"},
             {u"vZ", u"\u09B0\u200D\u09CD\u09AF"},
             {u"gg", u"\u09CD\u200C"},
             {u"g+", u"\u200D"},
             {u"x", u"\u0993"},
             {u"gx", u"\u09CB"},
             // Every match of a rule is replaced, not only the first.
             {u"11", u"\u09E7\u09E7"},
             {u"@", u"@"},
         });
}

TEST(FixedLayoutRulesTest, JatiyoModified) {
  ExpectConversions(
      5, {
             {u"jc", u"\u0995\u09C7"},
             {u"jd", u"\u0995\u09BF"},
             {u"jx", u"\u0995\u09CB"},
             {u"jX", u"\u0995\u09CC"},
             // No vowel movement: a sign typed first stays first.
             {u"cj", u"\u09C7\u0995"},
             {u"gx", u"\u0993"},
             {u"x", u"\u09CB"},
             {u"jgkA", u"\u09B0\u09CD\u0995\u09CD\u09A4"},
             {u"jAc", u"\u09B0\u09CD\u0995\u09C7"},
             {u"jcA", u"\u0995\u09C7\u09B0\u09CD"},
             {u"j&f", u"\u0995\u09BE\u0981"},
             {u"jf&", u"\u0995\u09BE\u0981"},
             {u"jsz", u"\u0995\u09CD\u09B0\u09C1"},
             {u"11", u"\u09E7\u09E7"},
         });
}

TEST(FixedLayoutRulesTest, Probhat) {
  ExpectConversions(
      6, {
             {u"[k", u"\u0995\u09C7"},
             {u"{k", u"\u0995\u09C8"},
             {u"ik", u"\u0995\u09BF"},
             {u"ik/t", u"\u0995\u09CD\u099F\u09BF"},
             {u"[k/t", u"\u0995\u09CD\u099F\u09C7"},
             {u"[s", u"\u09B8\u09C7"},
             {u"is", u"\u09B8\u09BF"},
             {u"{c", u"\u099A\u09C8"},
             {u"[x", u"\u09B6\u09C7"},
             {u"[ka", u"\u0995\u09CB"},
             {u"k]", u"\u0995\u09CB"},
             {u"k}", u"\u0995\u09CC"},
             {u"k|", u"\u09B0\u09CD\u0995"},
             {u"s|", u"\u09B0\u09CD\u09B8"},
             {u"f|", u"\u09B0\u09CD\u09A4"},
             {u"ik|", u"\u09B0\u09CD\u0995\u09BF"},
             {u"[k/t|", u"\u09B0\u09CD\u0995\u09CD\u099F\u09C7"},
             {u"k/r", u"\u0995\u09CD\u09B0"},
             {u"k/ru", u"\u0995\u09CD\u09B0\u09C1"},
             {u"ku/r", u"\u0995\u09CD\u09B0\u09C1"},
             // A doubled key leaves its own character, never a vowel sign.
             {u"[[", u"["},
             {u"]]", u"]"},
             {u"{{", u"{"},
             {u"}}", u"}"},
             {u"<<", u"<"},
             {u">>", u">"},
             {u"k[[", u"\u0995["},
             {u"/[[", u"\u098F["},
             {u"<", u"\u09C3"},
             {u">", u"\u0981"},
             {u"/", u"\u09CD"},
             {u"//", u"\u200C\u09CD\u200C"},
             {u"\\", u"\u200C"},
             {u"[", u""},
             {u"{", u""},
             {u"i", u""},
             {u".", u"\u0964"},
             {u"Aa", u"\u0986"},
             {u"v", u"\u0986"},
             {u"A", u"\u0985"},
             {u"F", u"F"},
         });
}

TEST(FixedLayoutRulesTest, OtherLayoutNumbersGiveTheKeysBack) {
  for (int layout : {0, 1, 2, 3, 8, 9, -1})
    EXPECT_EQ(ApplyFixedLayoutRules(u"cjf[k", layout), u"cjf[k") << layout;
}

// Keys are used exactly as typed: case picks the letter.
TEST(FixedLayoutRulesTest, CaseIsNeverFolded) {
  EXPECT_EQ(ApplyFixedLayoutRules(u"j", 4), u"\u0995");
  EXPECT_EQ(ApplyFixedLayoutRules(u"J", 4), u"\u0996");
  EXPECT_EQ(ApplyFixedLayoutRules(u"K", 6), u"\u0996");
  EXPECT_EQ(ApplyFixedLayoutRules(u"M", 7), u"\u09B6");
}

// The dispatcher hands the keys to the rules as typed, in UTF-16.
TEST(FixedLayoutRulesTest, DispatcherRoadsForLayoutsFourToSeven) {
  ConversionDispatcher d;
  EXPECT_EQ(d.Convert(u"Jj", 4, 0), u"\u0996\u0995");
  EXPECT_EQ(d.Convert(u"jc", 5, 0), u"\u0995\u09C7");
  EXPECT_EQ(d.Convert(u"[k", 6, 0), u"\u0995\u09C7");
  EXPECT_EQ(d.Convert(u"cj", 7, 0), u"\u0995\u09C7");
  EXPECT_EQ(d.Convert(u"", 4, 0), u"");
  // A long buffer converts in one piece, without a library limit stopping it.
  std::u16string keys;
  while (keys.size() < 4000) keys += u"cjgkZ sjf [k/t| ";
  for (int layout = 4; layout <= 7; ++layout)
    for (int encoding : {0, 1}) EXPECT_FALSE(d.Convert(keys, layout, encoding).empty());
}

}  // namespace
