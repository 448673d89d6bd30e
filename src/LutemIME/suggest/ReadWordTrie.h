#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "suggest/WordDictionaryTrie.h"

// Reads a word-dictionary file (see WordDictionaryFormat.h) from an open
// stream, from its current position to its end. Returns false for a short
// file, another header, an integrity trailer that does not match, a body that
// the library rejects, a read error or no memory; target is replaced only on
// success. A file without the trailer loads unchecked. Throws nothing.
bool ReadWordTrie(std::FILE* stream, WordDictionaryTrie* target);

// Opens path ("rb", with fopen_s: a Windows path or, here, a host path) and
// reads it with ReadWordTrie; null on any failure, a missing file included.
std::unique_ptr<WordDictionaryTrie> LoadWordTrieFile(const std::string& path);
