#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "modelbuild/AesCipher.h"
#include "suggest/Aes128.h"
#include "suggest/LanguageModelFile.h"
#include "suggest/LanguageModelTestFiles.h"

namespace {

std::string Read(const std::string& path) {
  std::ostringstream out;
  ReadLanguageModelFile(path, out);
  return out.str();
}

std::string Decipher(std::string block) {
  uint8_t roundKeys[kAesRoundKeySize];
  AesKeyExpansion(roundKeys);
  AesInvCipher(reinterpret_cast<uint8_t*>(block.data()), roundKeys);
  return block;
}

// Ciphertext bytes that are not an enciphered model: every block differs.
std::string Ciphertext(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 37 + 11) & 0xff);
  return bytes;
}

class LanguageModelFileTest : public ::testing::Test {
 protected:
  LanguageModelScratch scratch_;
};

TEST_F(LanguageModelFileTest, SevenBytesOrFewerGiveNothing) {
  for (size_t size = 0; size <= 7; ++size) {
    EXPECT_EQ("", Read(scratch_.Write("short", std::string(size, 'x')))) << size;
  }
}

TEST_F(LanguageModelFileTest, WholeBlocksDecipherOneByOne) {
  for (size_t k : {1, 3}) {
    const std::string cipher = Ciphertext(16 * k);
    const std::string plain = Read(scratch_.Write("blocks", "7 bytes" + cipher));
    ASSERT_EQ(16 * k, plain.size());
    for (size_t j = 0; j < k; ++j) EXPECT_EQ(Decipher(cipher.substr(16 * j, 16)), plain.substr(16 * j, 16)) << j;
  }
}

TEST_F(LanguageModelFileTest, ChangingOneBlockChangesOnlyItsPlaintext) {
  std::string cipher = Ciphertext(48);
  const std::string before = Read(scratch_.Write("a", "leading" + cipher));
  cipher[20] ^= 0x01;
  const std::string after = Read(scratch_.Write("b", "leading" + cipher));
  EXPECT_EQ(before.substr(0, 16), after.substr(0, 16));
  EXPECT_NE(before.substr(16, 16), after.substr(16, 16));
  EXPECT_EQ(before.substr(32), after.substr(32));
}

TEST_F(LanguageModelFileTest, TrailingBytesDecipherOverThePreviousPlaintext) {
  for (size_t k : {1, 2}) {
    for (size_t r = 1; r <= 15; ++r) {
      const std::string cipher = Ciphertext(16 * k + r);
      const std::string plain = Read(scratch_.Write("tail", "leading" + cipher));
      ASSERT_EQ(16 * k + r, plain.size()) << k << " " << r;
      const std::string lastWhole = Decipher(cipher.substr(16 * (k - 1), 16));
      const std::string mixed = cipher.substr(16 * k, r) + lastWhole.substr(r);
      EXPECT_EQ(Decipher(mixed).substr(0, r), plain.substr(16 * k)) << k << " " << r;
    }
  }
}

TEST_F(LanguageModelFileTest, TrailingBytesWithoutAWholeBlockUseZeros) {
  for (size_t r = 1; r <= 15; ++r) {
    const std::string cipher = Ciphertext(r);
    const std::string plain = Read(scratch_.Write("tiny", "leading" + cipher));
    EXPECT_EQ(Decipher(cipher + std::string(16 - r, '\0')).substr(0, r), plain) << r;
  }
}

TEST_F(LanguageModelFileTest, LeadingBytesAreNeverExamined) {
  const std::string cipher = Ciphertext(40);
  const std::string plain = Read(scratch_.Write("a", "LutemLM" + cipher));
  EXPECT_EQ(plain, Read(scratch_.Write("b", std::string("\0\xff\x01zzzz", 7) + cipher)));
}

TEST_F(LanguageModelFileTest, BuilderFilesDecipherToThePaddedPlaintext) {
  const std::string plaintext = "any model bytes, not a whole number of blocks";
  const std::string plain = Read(scratch_.Write("model", EncipherLanguageModel(plaintext)));
  ASSERT_EQ(48u, plain.size());
  EXPECT_EQ(plaintext, plain.substr(0, plaintext.size()));
  EXPECT_EQ(std::string(48 - plaintext.size(), '\0'), plain.substr(plaintext.size()));
}

TEST_F(LanguageModelFileTest, MissingFileLeavesTheStreamAsItWas) {
  std::ostringstream out;
  out << "kept";
  EXPECT_NO_THROW(ReadLanguageModelFile(scratch_.Path("absent.bin"), out));
  EXPECT_EQ("kept", out.str());
}

}  // namespace
