#include <gtest/gtest.h>
#if LUTEM_WITH_MARISA
#include <marisa.h>
#endif
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "WordTrieFixture.h"
#include "suggest/ReadWordTrie.h"
#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordDictionaryFormat.h"

namespace {

const std::vector<std::string> kWords = {"alpha", "alphabet", "beta", "\xE0\xA6\x95", "gamma"};

size_t KeysOf(const WordDictionaryTrie& trie, const std::string& prefix) {
  size_t n = 0;
  trie.ForEachCompletion(prefix, [&](std::string_view) { return ++n, true; });
  return n;
}

std::string TempPath(const char* name) {
  return testing::TempDir() + "lutem_" + std::to_string(::getpid()) + "_" + name;
}

TEST(WordTrieReadTest, ReadsWhatTheBuilderWrites) {
  SKIP_WITHOUT_WORD_TRIE();
  std::string file = BuildWordDictionary(kWords);
  ASSERT_GT(file.size(), worddict::kHeaderSize + worddict::kTrailerSize);
  EXPECT_EQ(file.substr(0, 14), std::string("LutemWordDict\0", 14));

  WordDictionaryTrie trie;
  ASSERT_TRUE(ReadWordTrieFromBytes(file, &trie));
  EXPECT_EQ(trie.size(), kWords.size());
  EXPECT_EQ(KeysOf(trie, "alpha"), 2u);
  EXPECT_EQ(KeysOf(trie, "\xE0\xA6\x95"), 1u);

  // Repeats are stored once.
  std::vector<std::string> twice = kWords;
  twice.insert(twice.end(), kWords.begin(), kWords.end());
  ASSERT_TRUE(ReadWordTrieFromBytes(BuildWordDictionary(twice), &trie));
  EXPECT_EQ(trie.size(), kWords.size());
}

// The body is the library's own: put its 16-byte header back and drop our
// trailer, and the library's file loader reads it.
TEST(WordTrieReadTest, BodyIsTheLibrarysFileAfterItsHeader) {
  SKIP_WITHOUT_WORD_TRIE();
  std::string file = BuildWordDictionary(kWords);
  std::string body = file.substr(14, file.size() - 14 - worddict::kTrailerSize);
  std::string path = TempPath("plain.marisa");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(worddict::kMarisaHeader, worddict::kMarisaHeaderSize);
    out.write(body.data(), static_cast<std::streamsize>(body.size()));
  }
#if LUTEM_WITH_MARISA
  marisa::Trie plain;
  ASSERT_NO_THROW(plain.load(path.c_str()));
  EXPECT_EQ(plain.num_keys(), kWords.size());
#endif
  std::remove(path.c_str());
}

TEST(WordTrieReadTest, RejectsFilesThatAreNotSoundDictionaries) {
  SKIP_WITHOUT_WORD_TRIE();
  const std::string good = BuildWordDictionary(kWords);
  const size_t bodyEnd = good.size() - worddict::kTrailerSize;
  auto withByte = [&](size_t at, char value) {
    std::string f = good;
    f[at] = value;
    return f;
  };
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"shorter than the header", good.substr(0, 13)},
      {"header only", good.substr(0, 14)},
      {"first header byte", withByte(0, 'l')},
      {"header's NUL", withByte(13, 'x')},
      {"cut inside the body", good.substr(0, 14 + (bodyEnd - 14) / 2)},
      {"cut inside the trailer", good.substr(0, good.size() - 1)},
      {"bytes after the trailer", good + "x"},
      {"bytes after a body without trailer", good.substr(0, bodyEnd) + "x"},
      {"a body byte", withByte(20, static_cast<char>(good[20] ^ 0x40))},
      {"the trailer's length", withByte(bodyEnd + 8, static_cast<char>(good[bodyEnd + 8] + 1))},
      {"the trailer's checksum", withByte(bodyEnd + 12, static_cast<char>(good[bodyEnd + 12] ^ 1))},
      {"the trailer's name", withByte(bodyEnd, 'l')},
      {"the library's header in place of ours",
       std::string(worddict::kMarisaHeader, 16) + good.substr(14)},
  };
  for (const Case& c : cases) {
    WordDictionaryTrie trie;
    ASSERT_TRUE(ReadWordTrieFromBytes(good, &trie));
    EXPECT_FALSE(ReadWordTrieFromBytes(c.bytes, &trie)) << c.what;
    // A failed read leaves the target as it was.
    EXPECT_EQ(trie.size(), kWords.size()) << c.what;
  }
}

// A file as others make it, the library's body right behind our header and
// nothing after it, loads as it stands (the cases above show that a file
// with a trailer must match it).
TEST(WordTrieReadTest, FileWithoutTrailerLoads) {
  SKIP_WITHOUT_WORD_TRIE();
  const std::string good = BuildWordDictionary(kWords);
  const size_t bodyEnd = good.size() - worddict::kTrailerSize;
  const std::string plain = good.substr(0, bodyEnd);
  WordDictionaryTrie trie;
  ASSERT_TRUE(ReadWordTrieFromBytes(plain, &trie));
  EXPECT_EQ(trie.size(), kWords.size());
  EXPECT_EQ(KeysOf(trie, "alpha"), 2u);
}

TEST(WordTrieReadTest, LoadsFromAPathAndFailsForAMissingFile) {
  SKIP_WITHOUT_WORD_TRIE();
  std::string path = TempPath("words.bin");
  std::string file = BuildWordDictionary(kWords);
  {
    std::ofstream out(path, std::ios::binary);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
  }
  auto trie = LoadWordTrieFile(path);
  ASSERT_NE(trie, nullptr);
  EXPECT_EQ(trie->size(), kWords.size());
  std::remove(path.c_str());
  EXPECT_EQ(LoadWordTrieFile(path), nullptr);
  EXPECT_FALSE(ReadWordTrie(nullptr, trie.get()));
}

// Without the library a file whose header and trailer are sound still
// loads nothing, so the word loader reports a failed load.
TEST(WordTrieReadTest, WithoutMarisaEveryReadFails) {
  if (LUTEM_WITH_MARISA) GTEST_SKIP() << "built with marisa-trie";
  const std::string body = "body";
  std::string file(worddict::kHeader, worddict::kHeaderSize);
  file += body;
  file.append(worddict::kTrailerMagic, worddict::kTrailerMagicSize);
  uint32_t fields[2] = {static_cast<uint32_t>(body.size()),
                        static_cast<uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(
                                                            body.data()), body.size()))};
  for (uint32_t field : fields)
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<char>(field >> (8 * i)));
  WordDictionaryTrie trie;
  EXPECT_FALSE(ReadWordTrieFromBytes(file, &trie));
  EXPECT_FALSE(trie.loaded());
  EXPECT_EQ(trie.size(), 0u);
}

}  // namespace
