#pragma once

#include <string>
#include <vector>

// The bytes of a word-dictionary file (see WordDictionaryFormat.h) holding
// words; repeats are stored once. Throws std::invalid_argument for an empty
// word, a word with a NUL byte (queries are NUL-terminated and could never
// reach it) or a dictionary too large for the reader. Built without
// marisa-trie, throws std::runtime_error.
std::string BuildWordDictionary(const std::vector<std::string>& words);
