#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A generated language model for the benchmarks, the same on every run: a
// lexicon of more than 50,000 distinct words over Bengali syllables, plus a
// unit-by-unit transliteration loop that gives every query paths, as a full
// model does. Its input units are the keys k g c j t d n p b m r l s h and
// the vowels a i u e o (kh, gh, ch, th, dh, ph, bh, sh as pairs of them).
struct GeneratedModel {
  std::string path;  // the model file, in a new temporary folder
  std::string file;  // its bytes
  std::vector<std::string> typed;  // what a user types: key strings of up to 19 keys
};

// Empty path when the file cannot be written.
GeneratedModel GenerateLanguageModel();
