#pragma once

#include <string>
#include <vector>

// One line of the list of how users type words: the keys and the word meant.
struct TypedWord {
  std::string keys;
  std::string word;
};

// tests/data/typed-words.tsv, read once; empty when it cannot be read.
const std::vector<TypedWord>& TypedWords();
