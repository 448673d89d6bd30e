#pragma once

#include <cstdint>
#include <string>

#include "suggest/Aes128.h"

// The enciphering half of AES-128 (FIPS-197), which only the model builder
// needs: the input method itself only deciphers.
void AesCipher(uint8_t block[kAesBlockSize], const uint8_t roundKeys[kAesRoundKeySize]);

// A model file: the 7 leading bytes, then plaintext padded with zero bytes to
// whole blocks and enciphered block by block under the built-in key.
std::string EncipherLanguageModel(const std::string& plaintext, const std::string& leading = "LutemLM");
