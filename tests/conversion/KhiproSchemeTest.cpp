// The Khipro state machine: conversions, single matches, state changes and
// the once-only build of the process-wide tables.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "conversion/CodePoints.h"
#include "conversion/KhiproScheme.h"
#include "support/TestText.h"

namespace {


struct Case {
  const char* keys;
  std::u32string out;
};

void ExpectConversions(const std::vector<Case>& cases) {
  const KhiproScheme scheme;
  for (const auto& c : cases) EXPECT_EQ(U8(c.out), scheme.Convert(c.keys)) << c.keys;
}

// Must stay the first test that builds a KhiproScheme in its process; ctest
// runs every test in a process of its own.
TEST(KhiproScheme, ConcurrentFirstConstructionsSeeOneCompleteTable) {
  constexpr int kThreads = 8;
  std::atomic<int> ready{0};
  struct Seen {
    const KhiproTables* tables = nullptr;
    size_t rows = 0;
    size_t states = 0;
    std::string converted;
  };
  std::vector<Seen> seen(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      ready.fetch_add(1);
      while (ready.load() < kThreads) std::this_thread::yield();
      const KhiproScheme scheme;
      const KhiproTables& t = KhiproScheme::Tables();
      seen[i].tables = &t;
      for (const RuleMap& m : t.groupTables) seen[i].rows += m.size();
      seen[i].states = t.stateGroups.size();
      seen[i].converted = scheme.Convert("amar sonar bangla");
    });
  }
  for (auto& t : threads) t.join();
  const std::string expected = U8(U"\u0986\u09AE\u09BE\u09B0 \u09B8\u09A8\u09BE\u09B0 "
                                  U"\u09AC\u09BE\u0982\u09B2\u09BE");
  for (const Seen& s : seen) {
    EXPECT_EQ(&KhiproScheme::Tables(), s.tables);
    EXPECT_EQ(563u, s.rows);
    EXPECT_EQ(4u, s.states);
    EXPECT_EQ(expected, s.converted);
  }
}

TEST(KhiproScheme, Words) {
  ExpectConversions({
      {"", U""},
      {"ami", U"\u0986\u09AE\u09BF"},
      {"khet", U"\u0996\u09C7\u09A4"},
      {"bangla", U"\u09AC\u09BE\u0982\u09B2\u09BE"},
      {"ami valo", U"\u0986\u09AE\u09BF \u09AD\u09BE\u09B2"},
  });
}

TEST(KhiproScheme, PholaAndReph) {
  ExpectConversions({
      {"kr", U"\u0995\u09CD\u09B0"},
      {"krz", U"\u0995\u09CD\u09B0\u09CD\u09AF"},
      {"kz", U"\u0995\u09CD\u09AF"},
      {"zr", U"\u09AF\u09CD\u09B0"},
      {"krr", U"\u0995\u09CD\u09B0\u09CD\u09B0"},
      {"rk", U"\u09B0\u0995"},
      {"rrk", U"\u09B0\u09CD\u0995"},
      {"ra", U"\u09B0\u09BE"},
      {"rrr", U"\u09B0\u09CD" U"r"},  // nothing allowed after the reph holds r
      {"ae", U"\u0985\u09CD\u09AF\u09BE"},
      {"kae", U"\u0995\u09CD\u09AF\u09BE"},
      {"rae", U"\u09B0\u200D\u09CD\u09AF\u09BE"},
      {"kp", U"\u0995\u09AA"},
  });
}

// A vowel key after the reph has no consonant to carry its sign: it writes
// the independent vowel. r alone is a consonant and takes the sign; the
// explicit sign key q keeps its sign.
TEST(KhiproScheme, AVowelAfterTheRephIsIndependent) {
  ExpectConversions({
      {"rra", U"\u09B0\u09CD\u0986"},
      {"rri", U"\u09B0\u09CD\u0987"},
      {"korra", U"\u0995\u09B0\u09CD\u0986"},
      {"rrou", U"\u09B0\u09CD\u0994"},
      {"rrwa", U"\u09B0\u09CD\u0993\u09AF\u09BC\u09BE"},  // "wa" as at the start
      {"rrak", U"\u09B0\u09CD\u0986\u0995"},               // a vowel's state follows
      {"rro", U"\u09B0\u09CD"},                              // the inherent vowel writes nothing
      {"rrka", U"\u09B0\u09CD\u0995\u09BE"},
      {"ra", U"\u09B0\u09BE"},
      {"rrq", U"\u09B0\u09CD\u09C3"},
      {"rraf", U"\u09B0\u09CD\u0986"},                       // kar's "af" is the vowel already
  });
}

TEST(KhiproScheme, VowelsAndSeparators) {
  ExpectConversions({
      {"k;k", U"\u0995\u0995"},
      {";;", U";"},
      {"kk", U"\u0995\u09CD\u0995"},
      {"kqqk", U"\u0995\u09CD\u0995"},
      {"ko", U"\u0995"},
      {"kof", U"\u0995\u0985"},
      {"koo", U"\u0995\u0985"},
      {"oo", U"\u09BD"},
      {"kii", U"\u0995\u09C0"},
      {"kiif", U"\u0995\u0988"},
      {"kuff", U"\u0995\u200C\u09C1"},
      {"koif", U"\u0995\u0990"},
      {"kouf", U"\u0995\u0994"},
      {"kw", U"\u0995\u09CB"},
      {"kwa", U"\u0995\u09CB\u09AF\u09BC\u09BE"},
      {"wa", U"\u0993\u09AF\u09BC\u09BE"},
      {"wae", U"\u0993\u09AF\u09BC\u09CD\u09AF\u09BE"},
      {"kwae", U"\u0995\u0993\u09AF\u09BC\u09CD\u09AF\u09BE"},
      {"ng", U"\u0982"},
      {"ngk", U"\u0999\u09CD\u0995"},
      {"nga", U"\u0999\u09BE"},
      {"kng", U"\u0995\u0982"},
      {"kngf", U"\u0995\u0999"},
      {"fa", U"\u09BE"},
      {"ffa", U"f\u09BE"},
      {"kfa", U"\u0995\u09CD\u09B7\u09BE"},
  });
}

TEST(KhiproScheme, DigitsPunctuationAndDiacritics) {
  ExpectConversions({
      {"1", U"\u09E7"},
      {".1", U".\u09E7"},
      {"k.1", U"\u0995.\u09E7"},
      {".", U"\u0964"},
      {"..", U"."},
      {"...", U"..."},
      {".f", U"\u0965"},
      {".ff", U"\u09FA"},
      {"$", U"\u09F3"},
      {"x", U"\u0983"},
      {"kx", U"\u0995\u0983"},
      {"t/", U"\u09CE"},
      {"k/", U"\u0995\u0981"},
      {"k//", U"\u0995/"},
      {"krf", U"\u0995\u09A1\u09BC"},
      {"sfprff", U"\u09B7\u09CD\u09AA\u09A2\u09BC"},
      {"!", U"!"},
      {"k!a", U"\u0995!\u0986"},  // an unknown byte resets to the start state
      {"k\xE0\xA6\x95" "a", U"\u0995\u0995\u0986"},
  });
}

TEST(KhiproScheme, MatchLongest) {
  const KhiproScheme scheme;
  const std::string text = "khae";
  KhiproMatch m = scheme.MatchLongest(0, text, 0);
  EXPECT_EQ("byanjon", m.group);
  EXPECT_EQ("kh", m.key);
  EXPECT_EQ(U8(U"\u0996"), m.value);
  // One key, three groups: the state's list decides.
  EXPECT_EQ("shor", scheme.MatchLongest(0, text, 2).group);
  EXPECT_EQ("ae", scheme.MatchLongest(2, text, 2).group);
  EXPECT_EQ("kar", scheme.MatchLongest(3, text, 2).group);
  // A longer key wins over a group tried earlier: ngk beats diacritic ng.
  m = scheme.MatchLongest(0, "ngk", 0);
  EXPECT_EQ("juktolutem", m.group);
  EXPECT_EQ("ngk", m.key);
  m = scheme.MatchLongest(3, "r", 0);
  EXPECT_EQ("phola", m.group);
  EXPECT_EQ(U8(U"\u09B0"), m.value);  // the hasanta is the converter's
  for (int state : {2, -1, 4}) EXPECT_TRUE(scheme.MatchLongest(state, "r", 0).group.empty());
  EXPECT_TRUE(scheme.MatchLongest(0, "k", 1).group.empty());
  EXPECT_TRUE(scheme.MatchLongest(0, "#", 0).key.empty());
  m = scheme.MatchLongest(0, ";", 0);
  EXPECT_EQ("prithayok", m.group);
  EXPECT_TRUE(m.value.empty());
}

TEST(KhiproScheme, NextState) {
  const struct {
    const char* group;
    int next[4];  // -1: the state does not try the group and stays
  } table[] = {
      {"diacritic", {1, 1, -1, 1}}, {"shor", {1, 1, -1, -1}},       {"prithayok", {0, 0, 0, 0}},
      {"ongko", {0, 0, -1, 0}},     {"biram", {0, 0, -1, 0}},       {"reph", {2, 2, -1, -1}},
      {"juktolutem", {3, 3, 3, 3}}, {"byanjon", {3, 3, 3, 3}},      {"ae", {-1, -1, 1, -1}},
      {"kar", {-1, -1, 1, 1}},      {"phola", {-1, -1, -1, 3}},     {"nothing", {-1, -1, -1, -1}},
  };
  for (const auto& row : table)
    for (int s = 0; s < 4; ++s)
      EXPECT_EQ(row.next[s] < 0 ? s : row.next[s], KhiproScheme::NextState(s, row.group))
          << row.group << " from " << s;
  EXPECT_EQ(7, KhiproScheme::NextState(7, "byanjon"));
}

}  // namespace
