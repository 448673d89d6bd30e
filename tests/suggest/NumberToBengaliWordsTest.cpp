#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "suggest/NumberToBengaliWords.h"

namespace {

const std::u16string kEk = u"\u098F\u0995";
const std::u16string kPanch = u"\u09AA\u09BE\u0981\u099A";
const std::u16string kSat = u"\u09B8\u09BE\u09A4";
const std::u16string kUnish = u"\u098A\u09A8\u09BF\u09B6";
const std::u16string kBaro = u"\u09AC\u09BE\u09B0\u09CB";
const std::u16string kBish = u"\u09AC\u09BF\u09B6";
const std::u16string kChoutrish = u"\u099A\u09CC\u09A4\u09CD\u09B0\u09BF\u09B6";
const std::u16string kChhappanno = u"\u099B\u09BE\u09AA\u09CD\u09AA\u09BE\u09A8\u09CD\u09A8";
const std::u16string kUnanobboi = u"\u0989\u09A8\u09A8\u09AC\u09CD\u09AC\u0987";
const std::u16string kShato = u"\u09B6\u09A4";
const std::u16string kHajar = u"\u09B9\u09BE\u099C\u09BE\u09B0";
const std::u16string kLakh = u"\u09B2\u0995\u09CD\u09B7";
const std::u16string kKoti = u"\u0995\u09CB\u099F\u09BF";

std::u16string Words(std::initializer_list<std::u16string> parts) {
  std::u16string out;
  for (const auto& p : parts) out += (out.empty() ? u"" : u" ") + p;
  return out;
}

struct Case {
  int64_t number;
  std::u16string words;
};

TEST(NumberToBengaliWords, WritesGroupsFromCroreDown) {
  const Case cases[] = {
      {-1, u""},
      {INT64_MIN, u""},
      {0, u"\u09B6\u09C2\u09A8\u09CD\u09AF"},
      {5, kPanch},
      {19, kUnish},
      {100, Words({kEk, kShato})},
      {101, Words({kEk, kShato, kEk})},
      {1000, Words({kEk, kHajar})},
      {100000, Words({kEk, kLakh})},
      {10000000, Words({kEk, kKoti})},
      {123456789,
       Words({kBaro, kKoti, kChoutrish, kLakh, kChhappanno, kHajar, kSat, kShato, kUnanobboi})},
      {200000005, Words({kBish, kKoti, kPanch})},
      {1000000000000, Words({kEk, kLakh, kKoti})},
      {100000000000000, Words({kEk, kKoti, kKoti})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(std::u16string(AsChar16(NumberToBengaliWords(c.number))), c.words);
  }
}

TEST(NumberToBengaliWords, KeepsYaWithNuktaDecomposed) {
  EXPECT_EQ(std::u16string(AsChar16(NumberToBengaliWords(6))), u"\u099B\u09AF\u09BC");
  EXPECT_EQ(std::u16string(AsChar16(NumberToBengaliWords(9))), u"\u09A8\u09AF\u09BC");
  for (int n = 1; n < 100; ++n)
    EXPECT_EQ(std::u16string(AsChar16(NumberToBengaliWords(n))).find(u'\u09DF'),
              std::u16string::npos)
        << n;
}

TEST(NumberToBengaliWords, EachThreadHasItsOwnBuffer) {
  const WCHAR* mine = NumberToBengaliWords(5);
  std::u16string theirs;
  std::thread([&] { theirs = AsChar16(NumberToBengaliWords(123456789)); }).join();
  EXPECT_EQ(std::u16string(AsChar16(mine)), kPanch);
  EXPECT_EQ(theirs.substr(0, kBaro.size()), kBaro);
}

}  // namespace
