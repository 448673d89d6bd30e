#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/EngineTestAccess.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/FakeDictionaryEngine.h"

namespace {

using Texts = std::vector<std::u16string>;
using Access = CCompositionProcessorEngineAccess;

const std::u16string kAmi = u"\u0986\u09AE\u09BF";
const std::u16string kAmio = u"\u0986\u09AE\u09BF\u0993";
const std::u16string kAmar = u"\u0986\u09AE\u09BE\u09B0";
const std::u16string kAmra = u"\u0986\u09AE\u09B0\u09BE";
const std::u16string kDigits123 = u"\u09E7\u09E8\u09E9";
const std::u16string kEkShatoTeish = u"\u098F\u0995 \u09B6\u09A4 \u09A4\u09C7\u0987\u09B6";
const std::u16string kSat = u"\u09B8\u09BE\u09A4";
const std::u16string kDoshKoti = u"\u09A6\u09B6 \u0995\u09CB\u099F\u09BF";
const std::u16string kBaro = u"\u09AC\u09BE\u09B0\u09CB";
const std::u16string kMarker = u"\uF8FE";

Texts TextsOf(const LutemIMEArray<CCandidateListItem>& list) {
  Texts out;
  for (size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.GetAt(i)->View());
  return out;
}

class CandidateListBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CurrentEncoding = 0;
    CandidateWindow = 1;
  }
  void TearDown() override {
    CurrentLayout = savedLayout_;
    CurrentEncoding = savedEncoding_;
    CandidateWindow = savedWindow_;
  }

  FakeDictionaryEngine* UseDictionary(Texts words) {
    auto* fake = new FakeDictionaryEngine(std::move(words));
    delete engine.dictionaryEngine.exchange(fake);
    return fake;
  }

  Texts Build() {
    engine.BuildCandidateList(&list);
    return TextsOf(list);
  }

  CCompositionProcessorEngine engine;
  LutemIMEArray<CCandidateListItem> list;

 private:
  int32_t savedLayout_ = CurrentLayout;
  int32_t savedEncoding_ = CurrentEncoding;
  uint32_t savedWindow_ = CandidateWindow;
};

struct Row {
  const char* name;
  int layout;
  std::u16string keys;
  std::u16string converted;
  std::optional<Texts> dictionary;           // none: no dictionary engine
  std::optional<std::u16string> remembered;  // the user's choice for these keys
  Texts expected;
  size_t dictionaryCalls = 0;
  int encoding = 0;
  uint32_t candidateWindow = 1;
  std::u16string rememberedUnder = {};  // empty: the row's keys
};

TEST_F(CandidateListBuilderTest, BuildsInOrderAndMovesTheRememberedChoice) {
  const Texts words = {kAmio, kAmar, kAmra};
  const Row rows[] = {
      {"converted text, then the keys", 2, u"ami", kAmi, {}, {}, {kAmi, u"ami"}},
      {"layout 8 never offers the keys", 8, kMarker + u"ami", kAmi, {}, {}, {kAmi}},
      {"keys equal to the conversion stand once", 2, u"#", u"#", {}, {}, {u"#"}},
      {"number words third", 2, u"123", kDigits123, {}, {}, {kDigits123, u"123", kEkShatoTeish}},
      {"leading zeros are allowed", 3, u"007", u"x", {}, {}, {u"x", u"007", kSat}},
      {"nine digits are a number", 2, u"100000000", u"x", {}, {}, {u"x", u"100000000", kDoshKoti}},
      {"zero alone is no number", 2, u"0", u"x", {}, {}, {u"x", u"0"}},
      {"zeros only are no number", 2, u"000", u"x", {}, {}, {u"x", u"000"}},
      {"ten digits are no number", 2, u"1234567890", u"x", {}, {}, {u"x", u"1234567890"}},
      {"Bengali digits are no number", 2, kDigits123, kDigits123, {}, {}, {kDigits123}},
      {"a letter among digits is no number", 2, u"12a", u"x", {}, {}, {u"x", u"12a"}},
      {"dictionary words last",
       2,
       u"ami",
       kAmi,
       Texts{kAmio, kAmar},
       {},
       {kAmi, u"ami", kAmio, kAmar},
       1},
      {"a dictionary word equal to the conversion stands once",
       3,
       u"ami",
       kAmi,
       Texts{kAmi, kAmio},
       {},
       {kAmi, u"ami", kAmio},
       1},
      {"layout 1 takes no plain dictionary words", 1, u"ami", kAmi, words, {}, {kAmi, u"ami"}, 0},
      {"layout 1 with a remembered entry gets them",
       1,
       u"ami",
       kAmi,
       words,
       u"none",
       {kAmi, u"ami", kAmio, kAmar, kAmra},
       1},
      {"remembered at index 3 moves first",
       2,
       u"ami",
       kAmi,
       words,
       kAmar,
       {kAmar, kAmi, u"ami", kAmio, kAmra},
       2},
      {"remembered and first stays first",
       2,
       u"ami",
       kAmi,
       words,
       kAmi,
       {kAmi, u"ami", kAmio, kAmar, kAmra},
       2},
      {"remembered and absent changes nothing",
       2,
       u"ami",
       kAmi,
       words,
       u"none",
       {kAmi, u"ami", kAmio, kAmar, kAmra},
       2},
      {"remembered keys move first", 6, u"ami", kAmi, {}, u"ami", {u"ami", kAmi}},
      {"the look-up keeps case", 2, u"Ami", kAmi, {}, u"Ami", {kAmi, u"Ami"}, 0, 0, 1, u"ami"},
      {"suggestion bar off: no move",
       2,
       u"ami",
       kAmi,
       words,
       kAmar,
       {kAmi, u"ami", kAmio, kAmar, kAmra},
       1,
       0,
       0},
      {"ANSI: no dictionary, no move", 2, u"12", u"x", words, u"12", {u"x", u"12", kBaro}, 0, 1},
      {"layout 8 looks up the keys with their marker",
       8,
       kMarker + u"a",
       u"x",
       Texts{kAmio},
       kAmio,
       {kAmio, u"x"},
       2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CCompositionProcessorEngine fresh;
    Access::Compose(fresh, row.keys, AsWchar(row.converted.c_str()));
    FakeDictionaryEngine* fake = nullptr;
    if (row.dictionary) {
      fake = new FakeDictionaryEngine(*row.dictionary);
      fresh.dictionaryEngine.store(fake);
    }
    if (row.remembered)
      fresh.StoreUserChoice(row.rememberedUnder.empty() ? row.keys : row.rememberedUnder,
                            *row.remembered);
    CurrentLayout = row.layout;
    CurrentEncoding = row.encoding;
    CandidateWindow = row.candidateWindow;
    LutemIMEArray<CCandidateListItem> built;
    fresh.BuildCandidateList(&built);
    EXPECT_EQ(TextsOf(built), row.expected);
    if (fake != nullptr) {
      EXPECT_EQ(fake->prefixes, Texts(row.dictionaryCalls, row.converted));
      for (UINT limit : fake->limits) EXPECT_EQ(limit, 7u);
    }
  }
}

TEST_F(CandidateListBuilderTest, EmptyKeysEmptyTheList) {
  CurrentLayout = 2;
  UseDictionary({kAmio});
  Access::Compose(engine, u"ami", AsWchar(kAmi.c_str()));
  ASSERT_EQ(Build().size(), 3u);
  Access::Compose(engine, u"", nullptr);
  EXPECT_TRUE(Build().empty());
  EXPECT_EQ(list.OwnedTextCount(), 0u);
}

TEST_F(CandidateListBuilderTest, AMissingConversionIsLeftOut) {
  CurrentLayout = 2;
  Access::Compose(engine, u"ami", nullptr);
  EXPECT_EQ(Build(), (Texts{u"ami"}));
}

TEST_F(CandidateListBuilderTest, RebuildsFreeTheWordsOfTheLastBuild) {
  CurrentLayout = 3;
  UseDictionary({kAmio, kAmar});
  engine.StoreUserChoice(u"ami", kAmar);
  Access::Compose(engine, u"ami", AsWchar(kAmi.c_str()));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Build(), (Texts{kAmar, kAmi, u"ami", kAmio}));
    EXPECT_EQ(list.OwnedTextCount(), 4u);  // two searches of two words each
  }
  // The engine's own texts were only borrowed.
  EXPECT_EQ(std::u16string(AsChar16(engine.convertedText)), kAmi);
}

TEST_F(CandidateListBuilderTest, NumberWordsOutliveAnotherBuildOnTheSameThread) {
  CurrentLayout = 2;
  Access::Compose(engine, u"123", AsWchar(u"x"));
  Build();
  CCompositionProcessorEngine other;
  LutemIMEArray<CCandidateListItem> otherList;
  Access::Compose(other, u"100000000", AsWchar(u"y"));
  other.BuildCandidateList(&otherList);
  EXPECT_EQ(TextsOf(list), (Texts{u"x", u"123", kEkShatoTeish}));
}

TEST_F(CandidateListBuilderTest, TheLookUpWaitsForTheUserDictionaryLock) {
  CurrentLayout = 2;
  Access::Compose(engine, u"ami", AsWchar(kAmi.c_str()));
  engine.StoreUserChoice(u"ami", u"ami");
  std::promise<void> held, release;
  std::thread holder([&] {
    EnterCriticalSection(Access::Lock(engine));
    held.set_value();
    release.get_future().wait();
    LeaveCriticalSection(Access::Lock(engine));
  });
  held.get_future().wait();
  auto build = std::async(std::launch::async, [&] { return Build(); });
  EXPECT_EQ(build.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
  release.set_value();
  EXPECT_EQ(build.get(), (Texts{u"ami", kAmi}));
  holder.join();
}

TEST_F(CandidateListBuilderTest, TheRememberedSearchRunsUnderTheLock) {
  CurrentLayout = 2;
  FakeDictionaryEngine* fake = UseDictionary({kAmio});
  std::vector<bool> heldByBuilder;
  fake->onCall = [&] {
    BOOL free = FALSE;
    std::thread([&] {
      free = TryEnterCriticalSection(Access::Lock(engine));
      if (free) LeaveCriticalSection(Access::Lock(engine));
    }).join();
    heldByBuilder.push_back(!free);
  };
  engine.StoreUserChoice(u"ami", kAmio);
  Access::Compose(engine, u"ami", AsWchar(kAmi.c_str()));
  EXPECT_EQ(Build(), (Texts{kAmio, kAmi, u"ami"}));
  EXPECT_EQ(heldByBuilder, (std::vector<bool>{false, true}));
}

TEST_F(CandidateListBuilderTest, AFailingDictionaryLeavesAnEmptyListAndTheLockFree) {
  CurrentLayout = 2;
  FakeDictionaryEngine* fake = UseDictionary({kAmio});
  int calls = 0;
  fake->onCall = [&] {
    if (++calls == 2) throw std::runtime_error("search failed");
  };
  engine.StoreUserChoice(u"ami", kAmio);
  Access::Compose(engine, u"ami", AsWchar(kAmi.c_str()));
  EXPECT_NO_THROW(Build());
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(list.OwnedTextCount(), 0u);
  BOOL free = FALSE;
  std::thread([&] {
    free = TryEnterCriticalSection(Access::Lock(engine));
    if (free) LeaveCriticalSection(Access::Lock(engine));
  }).join();
  EXPECT_TRUE(free);
}

TEST_F(CandidateListBuilderTest, ADictionaryEngineStoredLaterIsUsedByTheNextBuild) {
  CurrentLayout = 2;
  Access::Compose(engine, u"ami", AsWchar(kAmi.c_str()));
  EXPECT_EQ(Build(), (Texts{kAmi, u"ami"}));
  std::thread([&] { engine.dictionaryEngine.store(new FakeDictionaryEngine({kAmio})); }).join();
  EXPECT_EQ(Build(), (Texts{kAmi, u"ami", kAmio}));
}

}  // namespace
