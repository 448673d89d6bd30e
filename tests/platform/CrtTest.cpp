#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "support/TempSystemRoot.h"

namespace {

struct NarrowCase {
  const char* name;
  std::u16string source;
  size_t destBytes;
  size_t count;
  errno_t result;
  std::string text;  // what dest holds afterwards
  size_t converted;  // NUL included
};

TEST(WcstombsS, NarrowsInTheCLocaleWithTheRuntimesResults) {
  const std::vector<NarrowCase> cases = {
      {"fits", u"C:\\a.bin", 16, _TRUNCATE, 0, "C:\\a.bin", 9},
      {"exactly fills the buffer", u"abc", 4, _TRUNCATE, 0, "abc", 4},
      {"cut by _TRUNCATE", u"abcd", 4, _TRUNCATE, STRUNCATE, "abc", 4},
      {"too long without _TRUNCATE", u"abcd", 4, 10, ERANGE, "", 0},
      {"count stops early", u"abcd", 8, 2, 0, "ab", 3},
      {"units up to 0xFF are one byte", u"\u00e9t\u00e9", 8, _TRUNCATE, 0, "\xe9t\xe9", 4},
      {"a Bengali letter has no narrow form", u"a\u0995", 8, _TRUNCATE, EILSEQ, "", 0},
      {"empty", u"", 8, _TRUNCATE, 0, "", 1},
  };
  for (const NarrowCase& c : cases) {
    char dest[32];
    std::fill(std::begin(dest), std::end(dest), 'x');
    size_t converted = 99;
    EXPECT_EQ(wcstombs_s(&converted, dest, c.destBytes, c.source.c_str(), c.count), c.result)
        << c.name;
    EXPECT_EQ(std::string(dest), c.text) << c.name;
    EXPECT_EQ(converted, c.converted) << c.name;
  }
  size_t needed = 0;
  EXPECT_EQ(wcstombs_s(&needed, nullptr, 0, u"abcd", _TRUNCATE), 0);
  EXPECT_EQ(needed, 5u);
  char dest[4];
  EXPECT_EQ(wcstombs_s(&needed, dest, sizeof dest, nullptr, _TRUNCATE), EINVAL);
  EXPECT_EQ(wcstombs_s(&needed, nullptr, 4, u"a", _TRUNCATE), EINVAL);
}

TEST(FopenS, OpensDriveCPathsUnderTheSystemRootAndReportsErrors) {
  TempSystemRoot root;
  std::ofstream(root.path() + "/d\xc3\xa9.bin") << "drive c";
  std::FILE* file = nullptr;
  ASSERT_EQ(fopen_s(&file, "C:\\d\xe9.bin", "rb"), 0);  // é in the narrow form
  char text[16] = {};
  EXPECT_EQ(std::fread(text, 1, sizeof text, file), 7u);
  EXPECT_STREQ(text, "drive c");
  std::fclose(file);

  ASSERT_EQ(fopen_s(&file, (root.path() + "/d\xc3\xa9.bin").c_str(), "rt"), 0);  // a host path
  std::fclose(file);

  file = reinterpret_cast<std::FILE*>(1);
  EXPECT_EQ(fopen_s(&file, "C:\\missing.bin", "rb"), ENOENT);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(fopen_s(&file, "C:\\d\xe9.bin", "q"), EINVAL);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(fopen_s(nullptr, "C:\\d\xe9.bin", "rb"), EINVAL);
}

std::string ReadAll(std::FILE* file) {
  std::string text;
  char buffer[3];  // small, so a CR LF pair straddles two reads
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  return text;
}

TEST(WfopenS, ReadsTextModeAsTheRuntimeDoesAndBinaryAsStored) {
  TempSystemRoot root;
  const std::string stored = std::string("a\r\nb\rc\r\r\nd") + '\x1a' + "after";
  std::ofstream(root.path() + "/t\xc3\xa9xt.json", std::ios::binary) << stored;
  struct Case {
    std::u16string mode;
    std::string text;
  } cases[] = {
      {u"r", "a\nb\rc\r\nd"},
      {u"rt", "a\nb\rc\r\nd"},
      {u"rb", stored},
  };
  for (const Case& c : cases) {
    std::FILE* file = nullptr;
    ASSERT_EQ(_wfopen_s(&file, u"C:\\t\u00e9xt.json", c.mode.c_str()), 0);
    EXPECT_EQ(ReadAll(file), c.text);
    EXPECT_EQ(std::fclose(file), 0);
  }

  std::FILE* file = reinterpret_cast<std::FILE*>(1);
  EXPECT_EQ(_wfopen_s(&file, u"C:\\missing.json", u"rt"), ENOENT);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(_wfopen_s(&file, u"C:\\t\u00e9xt.json", u"x"), EINVAL);
  EXPECT_EQ(_wfopen_s(&file, nullptr, u"r"), EINVAL);
  host::FailCall("_wfopen_s");
  EXPECT_EQ(_wfopen_s(&file, u"C:\\t\u00e9xt.json", u"rt"), EACCES);
  EXPECT_EQ(file, nullptr);
  host::ClearFailures();

  // The narrow call opens text mode alike.
  ASSERT_EQ(fopen_s(&file, "C:\\t\xe9xt.json", "rt"), 0);
  EXPECT_EQ(ReadAll(file), "a\nb\rc\r\nd");
  std::fclose(file);
}

TEST(Interlocked, CountsAcrossThreadsAndComparesBeforeExchanging) {
  LONG volatile count = -1;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 10000; ++i) {
        InterlockedIncrement(&count);
        InterlockedDecrement(&count);
        InterlockedIncrement(&count);
      }
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(count, 39999);
  EXPECT_EQ(InterlockedDecrement(&count), 39998);
  EXPECT_EQ(InterlockedCompareExchange(&count, 7, 1), 39998);  // no match: unchanged
  EXPECT_EQ(count, 39998);
  EXPECT_EQ(InterlockedCompareExchange(&count, 7, 39998), 39998);
  EXPECT_EQ(count, 7);
}

}  // namespace
