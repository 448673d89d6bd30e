#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <vector>

#include "modelbuild/AesCipher.h"
#include "suggest/Aes128.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) { return std::vector<uint8_t>(values.begin(), values.end()); }

// The standard's own example (appendix C.1).
const uint8_t kTestKey[16] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                              0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f};
const uint8_t kPlaintext[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                0x88, 0x99, 0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff};
const uint8_t kCiphertext[16] = {0x69, 0xc4, 0xe0, 0xd8, 0x6a, 0x7b, 0x04, 0x30,
                                 0xd8, 0xcd, 0xb7, 0x80, 0x70, 0xb4, 0xc5, 0x5a};

TEST(AesDecipherTest, StandardTestVectorDeciphersAndEnciphers) {
  uint8_t roundKeys[kAesRoundKeySize];
  AesExpandKey(kTestKey, roundKeys);

  uint8_t block[16];
  std::memcpy(block, kCiphertext, 16);
  AesInvCipher(block, roundKeys);
  EXPECT_EQ(0, std::memcmp(block, kPlaintext, 16));

  AesCipher(block, roundKeys);
  EXPECT_EQ(0, std::memcmp(block, kCiphertext, 16));
}

TEST(AesDecipherTest, KeyExpansionMatchesTheStandardsExample) {
  // Appendix A.1: key 2b7e1516 28aed2a6 abf71588 09cf4f3c ends in w[43] = b6630ca6.
  const uint8_t key[16] = {0x2b, 0x7e, 0x15, 0x16, 0x28, 0xae, 0xd2, 0xa6,
                           0xab, 0xf7, 0x15, 0x88, 0x09, 0xcf, 0x4f, 0x3c};
  uint8_t roundKeys[kAesRoundKeySize];
  AesExpandKey(key, roundKeys);
  EXPECT_EQ(Bytes({0xa0, 0xfa, 0xfe, 0x17}), std::vector<uint8_t>(roundKeys + 16, roundKeys + 20));  // w[4]
  EXPECT_EQ(Bytes({0xb6, 0x63, 0x0c, 0xa6}), std::vector<uint8_t>(roundKeys + 172, roundKeys + 176));  // w[43]
}

TEST(AesDecipherTest, InvMixColumnsUndoesKnownColumns) {
  // Each column below is MixColumns of the column db 13 53 45, f2 0a 22 5c,
  // 01 01 01 01 and c6 c6 c6 c6 respectively.
  uint8_t state[16] = {0x8e, 0x4d, 0xa1, 0xbc, 0x9f, 0xdc, 0x58, 0x9d,
                       0x01, 0x01, 0x01, 0x01, 0xc6, 0xc6, 0xc6, 0xc6};
  AesInvMixColumns(state);
  EXPECT_EQ(Bytes({0xdb, 0x13, 0x53, 0x45, 0xf2, 0x0a, 0x22, 0x5c, 0x01, 0x01, 0x01, 0x01, 0xc6, 0xc6, 0xc6, 0xc6}),
            std::vector<uint8_t>(state, state + 16));
}

TEST(AesDecipherTest, BuiltInKeyIsSixteenLettersAndStartsTheSchedule) {
  for (uint8_t byte : kLanguageModelKey) EXPECT_TRUE(std::isalpha(byte)) << int(byte);
  uint8_t roundKeys[kAesRoundKeySize];
  AesKeyExpansion(roundKeys);
  EXPECT_EQ(0, std::memcmp(roundKeys, kLanguageModelKey, 16));
  uint8_t expected[kAesRoundKeySize];
  AesExpandKey(kLanguageModelKey, expected);
  EXPECT_EQ(0, std::memcmp(roundKeys, expected, kAesRoundKeySize));
}

}  // namespace
