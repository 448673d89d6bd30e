// The rows of the eleven Khipro groups: sizes, longest keys, the families
// of the cluster group and the decomposed nukta letters.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "conversion/CodePoints.h"
#include "conversion/KhiproScheme.h"
#include "support/TestText.h"

namespace {


const KhiproTables& Tables() {
  static const KhiproScheme scheme;  // builds the tables
  return KhiproScheme::Tables();
}

std::string Convert(const char* keys) { return KhiproScheme().Convert(keys); }

TEST(KhiproTables, GroupSizesAndLongestKeys) {
  const std::map<std::string, std::pair<size_t, size_t>> expected = {
      {"shor", {46, 6}},  {"byanjon", {37, 3}}, {"juktolutem", {405, 7}}, {"reph", {2, 2}},
      {"phola", {2, 1}},  {"kar", {32, 4}},     {"ongko", {20, 2}},       {"diacritic", {9, 2}},
      {"biram", {7, 3}},  {"prithayok", {2, 2}}, {"ae", {1, 2}},
  };
  const KhiproTables& t = Tables();
  ASSERT_EQ(11u, t.groupIndex.size());
  ASSERT_EQ(11u, t.groupMaxKeyLength.size());
  size_t total = 0;
  for (const auto& [name, sizes] : expected) {
    ASSERT_TRUE(t.groupIndex.count(name)) << name;
    EXPECT_EQ(sizes.first, t.groupIndex.at(name)->size()) << name;
    EXPECT_EQ(sizes.second, t.groupMaxKeyLength.at(name)) << name;
    EXPECT_EQ(t.groupIndex.at(name),
              &t.groupTables[static_cast<size_t>(KhiproTables::GroupId(name))]);
    total += t.groupIndex.at(name)->size();
  }
  EXPECT_EQ(563u, total);
}

TEST(KhiproTables, StateGroupsInTheOrderTried) {
  using V = std::vector<std::string>;
  const KhiproTables& t = Tables();
  ASSERT_EQ(4u, t.stateGroups.size());
  EXPECT_EQ((V{"diacritic", "shor", "prithayok", "ongko", "biram", "reph", "juktolutem",
               "byanjon"}),
            t.stateGroups.at(0));
  EXPECT_EQ((V{"diacritic", "shor", "biram", "prithayok", "ongko", "reph", "juktolutem",
               "byanjon"}),
            t.stateGroups.at(1));
  EXPECT_EQ((V{"prithayok", "ae", "juktolutem", "byanjon", "kar"}), t.stateGroups.at(2));
  EXPECT_EQ((V{"diacritic", "prithayok", "ongko", "biram", "kar", "juktolutem", "phola",
               "byanjon"}),
            t.stateGroups.at(3));
}

TEST(KhiproTables, NoKeyHoldsACapitalAndNuktaLettersAreDecomposed) {
  const std::string precomposed[] = {U8(U"\u09DC"), U8(U"\u09DD"), U8(U"\u09DF")};
  for (const RuleMap& m : Tables().groupTables) {
    m.ForEachKey([&](const std::string& k) {
      for (char c : k) EXPECT_FALSE(c >= 'A' && c <= 'Z') << k;
      for (const auto& p : precomposed) EXPECT_EQ(std::string::npos, m.Find(k)->find(p)) << k;
    });
  }
  const RuleMap& byanjon = *Tables().groupIndex.at("byanjon");
  EXPECT_EQ(U8(U"\u09AF\u09BC"), *byanjon.Find("y"));
  EXPECT_EQ(U8(U"\u09A1\u09BC"), *byanjon.Find("rf"));
  EXPECT_EQ(U8(U"\u09A2\u09BC"), *byanjon.Find("rff"));
  EXPECT_EQ(U8(U"\u09BC"), *byanjon.Find(",,"));
}

TEST(KhiproTables, ClusterFamilies) {
  const std::u32string ksa = U"\u0995\u09CD\u09B7";
  const std::u32string ksna = U"\u0995\u09CD\u09B7\u09CD\u09A3";
  const struct {
    const char* keys;
    std::u32string out;
  } cases[] = {
      // Letters joined by the hasanta.
      {"ktr", U"\u0995\u09CD\u09A4\u09CD\u09B0"},
      {"kfm", ksa + U"\u09CD\u09AE"},
      {"sftfr", U"\u09B7\u09CD\u099F\u09CD\u09B0"},
      {"kf", ksa},
      {"kkh", ksa},
      {"ngkkh", U"\u0999\u09CD" + ksa},
      // Exceptions.
      {"kfn", ksna},
      {"kkhn", ksna},
      {"ksfn", ksna},
      {"gg", U"\u099C\u09CD\u099E"},
      {"ggg", U"\u0997\u09CD\u0997"},
      {"gnf", U"\u0997\u09CD\u200C\u09A3"},
      {"ngkt", U"\u0999\u09CD\u200C\u0995\u09CD\u09A4"},
      {"rfg", U"\u09A1\u09BC\u09CD\u200C\u0997"},
      {"dg", U"\u09A6\u09CD\u200C\u0997"},
      {"dgh", U"\u09A6\u09CD\u200C\u0998"},
      {"lv", U"\u09B2\u09CD\u200C\u09AD"},
      {"rz", U"\u09B0\u200D\u09CD\u09AF"},
      {"sfn", U"\u09B7\u09CD\u09A3"},
      // Guard rows: a head and a letter side by side.
      {"ksh", U"\u0995\u09B6"},
      {"ktff", U"\u0995\u09A0"},
      {"ktfh", U"\u0995\u09A0"},
      {"gggh", U"\u099C\u09CD\u099E\u0998"},
      {"ngksh", U"\u0999\u09CD\u0995\u09B6"},
      {"rfgh", U"\u09A1\u09BC\u0998"},
      // A head followed by ড় or ঢ়.
      {"sfprf", U"\u09B7\u09CD\u09AA\u09A1\u09BC"},
      {"sfprff", U"\u09B7\u09CD\u09AA\u09A2\u09BC"},
      {"ktrf", U"\u0995\u09CD\u09A4\u09A1\u09BC"},
      {"dffrf", U"\u09A2\u09A1\u09BC"},
      {"ngkrff", U"\u0999\u09CD\u0995\u09A2\u09BC"},
  };
  for (const auto& c : cases) EXPECT_EQ(U8(c.out), Convert(c.keys)) << c.keys;
}

TEST(KhiproTables, VowelRows) {
  const KhiproTables& t = Tables();
  const RuleMap& kar = *t.groupIndex.at("kar");
  const RuleMap& shor = *t.groupIndex.at("shor");
  EXPECT_EQ(U8(U"\u0990"), *kar.Find("oif"));
  EXPECT_EQ(U8(U"\u0994"), *kar.Find("ouf"));
  EXPECT_EQ(*shor.Find("wae"), *kar.Find("wae"));
  EXPECT_EQ(U8(U"\u0993\u09AF\u09BC\u09CD\u09AF\u09BE"), *kar.Find("wae"));
  EXPECT_EQ(U8(U"\u09CB\u09AF\u09BC\u09BE"), *kar.Find("wa"));
  EXPECT_EQ(U8(U"\u09CB\u09AF\u09BC\u09C7"), *kar.Find("we"));
  // Every kar key ending in f is the independent vowel of its sign.
  EXPECT_EQ(*shor.Find("a"), *kar.Find("af"));
  EXPECT_EQ(*shor.Find("oi"), *kar.Find("oif"));
  // nguff and nguuff follow the ng + vowel pattern of their group.
  EXPECT_EQ(U8(U"\u0999\u200C\u09C1"), Convert("nguff"));
  EXPECT_EQ(U8(U"\u0999\u200C\u09C2"), Convert("nguuff"));
}

}  // namespace
