// Literal rules of a list are applied together in one pass only where that
// pass gives what applying them one after another gives. Each case below is
// a pair of rules and a text on which a careless single pass goes wrong; the
// group must refuse exactly those, and a group it accepts must give the
// rules' own result on any text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "conversion/LiteralRuleGroup.h"

namespace {

// Each rule's own pass: every leftmost, non-overlapping occurrence replaced.
std::wstring OneAfterAnother(const std::vector<LiteralRewrite>& rules, std::wstring text) {
  for (const LiteralRewrite& rule : rules) {
    std::wstring out;
    size_t done = 0;
    for (size_t at = text.find(rule.find); at != std::wstring::npos; at = text.find(rule.find, done)) {
      out.append(text, done, at - done);
      out += rule.write;
      done = at + rule.find.size();
    }
    out.append(text, done, std::wstring::npos);
    text = out;
  }
  return text;
}

std::wstring OnePass(const std::vector<LiteralRewrite>& rules, const std::wstring& text) {
  std::wstring out;
  return LiteralRuleGroup(rules).Rewrite(text, out) ? out : text;
}

bool AllFit(const std::vector<LiteralRewrite>& rules) {
  std::vector<LiteralRewrite> group;
  for (const LiteralRewrite& rule : rules) {
    if (!LiteralRuleGroup::Fits(group, rule)) return false;
    group.push_back(rule);
  }
  return true;
}

TEST(LiteralRuleGroupTest, RefusesWhatOnePassWouldGetWrong) {
  const struct {
    std::vector<LiteralRewrite> rules;
    const wchar_t* text;
  } refused[] = {
      // The later rule starts first and overlaps the earlier one's match.
      {{{L"ab", L"X"}, {L"ca", L"Y"}}, L"cab"},
      // The later rule holds the earlier one's text after its start.
      {{{L"b", L"X"}, {L"abc", L"Y"}}, L"abc"},
      // The later rule finds what the earlier one wrote.
      {{{L"a", L"b"}, {L"b", L"c"}}, L"a"},
      {{{L"a", L"xb"}, {L"bc", L"Y"}}, L"ac"},
      // A deletion brings together what the later rule finds.
      {{{L"x", L""}, {L"ab", L"Y"}}, L"axb"},
  };
  for (const auto& c : refused) {
    EXPECT_FALSE(AllFit(c.rules)) << c.text;
    EXPECT_NE(OnePass(c.rules, c.text), OneAfterAnother(c.rules, c.text)) << c.text;
  }
}

TEST(LiteralRuleGroupTest, AcceptedGroupsGiveTheRulesResult) {
  const std::vector<std::vector<LiteralRewrite>> accepted = {
      // A key pair before the single keys in it, as the layouts order them.
      {{L"gg", L"1"}, {L"gf", L"2"}, {L"Ff", L"3"}, {L"F", L"4"}, {L"g", L"5"}, {L"f", L"6"}},
      // The earlier rule is the start of the later one.
      {{L"a", L"X"}, {L"ab", L"Y"}, {L"b", L"Z"}},
      // Deletions of single units, and rules that write nothing the others read.
      {{L"aa", L"e"}, {L"c", L""}, {L"s", L""}, {L"d", L"DD"}},
  };
  std::mt19937 rng(17);
  for (const auto& rules : accepted) {
    ASSERT_TRUE(AllFit(rules));
    std::wstring alphabet = L" ";
    for (const LiteralRewrite& rule : rules) alphabet += rule.find;
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 2000; ++round) {
      std::wstring text;
      for (int n = round % 30; n > 0; --n) text += alphabet[pick(rng)];
      ASSERT_EQ(OnePass(rules, text), OneAfterAnother(rules, text)) << round;
    }
  }
}

TEST(LiteralRuleGroupTest, APassWithoutAMatchReportsNoChange) {
  const LiteralRuleGroup group({{L"q", L"\u09DC"}, {L"gf", L"\u0986"}});
  std::wstring out = L"untouched";
  EXPECT_FALSE(group.Rewrite(L"", out));
  EXPECT_FALSE(group.Rewrite(L"abg", out));  // "g" alone starts no rule of the group
  EXPECT_TRUE(group.Rewrite(L"gfq", out));
  EXPECT_EQ(out, L"\u0986\u09DC");
}

}  // namespace
