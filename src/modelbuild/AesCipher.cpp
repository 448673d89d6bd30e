#include "modelbuild/AesCipher.h"

#include <algorithm>
#include <cstring>

namespace {

void SubBytes(uint8_t state[kAesBlockSize]) {
  for (int i = 0; i < kAesBlockSize; ++i) state[i] = kAesSBox[state[i]];
}

// Row r of the state turns left by r.
void ShiftRows(uint8_t state[kAesBlockSize]) {
  uint8_t copy[kAesBlockSize];
  std::memcpy(copy, state, kAesBlockSize);
  for (int column = 0; column < 4; ++column) {
    for (int row = 1; row < 4; ++row) state[column * 4 + row] = copy[((column + row) % 4) * 4 + row];
  }
}

void MixColumns(uint8_t state[kAesBlockSize]) {
  for (int column = 0; column < 4; ++column) {
    uint8_t* c = state + column * 4;
    const uint8_t a0 = c[0], a1 = c[1], a2 = c[2], a3 = c[3];
    c[0] = AesMultiply(a0, 2) ^ AesMultiply(a1, 3) ^ a2 ^ a3;
    c[1] = a0 ^ AesMultiply(a1, 2) ^ AesMultiply(a2, 3) ^ a3;
    c[2] = a0 ^ a1 ^ AesMultiply(a2, 2) ^ AesMultiply(a3, 3);
    c[3] = AesMultiply(a0, 3) ^ a1 ^ a2 ^ AesMultiply(a3, 2);
  }
}

}  // namespace

void AesCipher(uint8_t block[kAesBlockSize], const uint8_t roundKeys[kAesRoundKeySize]) {
  AesAddRoundKey(block, roundKeys);
  for (int round = 1; round <= 9; ++round) {
    SubBytes(block);
    ShiftRows(block);
    MixColumns(block);
    AesAddRoundKey(block, roundKeys + round * kAesBlockSize);
  }
  SubBytes(block);
  ShiftRows(block);
  AesAddRoundKey(block, roundKeys + 10 * kAesBlockSize);
}

std::string EncipherLanguageModel(const std::string& plaintext, const std::string& leading) {
  uint8_t roundKeys[kAesRoundKeySize];
  AesKeyExpansion(roundKeys);
  std::string file = leading;
  file.resize(7, '\0');
  for (size_t offset = 0; offset < plaintext.size(); offset += kAesBlockSize) {
    uint8_t block[kAesBlockSize] = {};
    std::memcpy(block, plaintext.data() + offset, std::min<size_t>(kAesBlockSize, plaintext.size() - offset));
    AesCipher(block, roundKeys);
    file.append(reinterpret_cast<const char*>(block), kAesBlockSize);
  }
  return file;
}
