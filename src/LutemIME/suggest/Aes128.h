#pragma once

#include <cstdint>

// AES-128 deciphering of the language-model file, FIPS-197 exactly: the model
// ships enciphered in ECB mode under one key built into the input method.

constexpr int kAesBlockSize = 16;
constexpr int kAesRoundKeySize = 176;  // 11 round keys of 16 bytes

// The built-in key: 16 ASCII letters, the same in every installation.
extern const uint8_t kLanguageModelKey[16];

// The FIPS-197 S-box (the key expansion uses it) and its inverse.
extern const uint8_t kAesSBox[256];
extern const uint8_t kAesInvSBox[256];

// Expands any 128-bit key; the file reader uses it through AesKeyExpansion,
// the tests with the standard's own test key.
void AesExpandKey(const uint8_t key[16], uint8_t roundKeys[kAesRoundKeySize]);

// Writes the built-in key into the first 16 bytes of roundKeys and expands it.
void AesKeyExpansion(uint8_t roundKeys[kAesRoundKeySize]);

// Deciphers one 16-byte block in place.
void AesInvCipher(uint8_t block[kAesBlockSize], const uint8_t roundKeys[kAesRoundKeySize]);

// The inverse MixColumns step on the four columns of the state.
void AesInvMixColumns(uint8_t state[kAesBlockSize]);

// XORs one 16-byte round key into the state.
void AesAddRoundKey(uint8_t state[kAesBlockSize], const uint8_t* roundKey);

// Multiplication in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
uint8_t AesMultiply(uint8_t a, uint8_t b);
