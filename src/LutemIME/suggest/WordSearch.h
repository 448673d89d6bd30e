#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Searches of the process-wide word dictionary (WordDictionaryGlobals.h).
// Each takes WordDictionaryMutex for the trie walk only, finds nothing while
// no trie is published, and throws nothing.

// Reached only through callers that have seen WordDictionaryState Ready.
// At most 7 words for a UTF-8 query, in display order: the shortest words
// that begin with query (shortest first; words of one length in byte order),
// or, when no word does, the nearest words within byte edit distance 3 among
// those that share query's first character (nearest first, then byte order).
std::vector<std::string> SearchWords(std::string_view query);

// Up to maximum words that begin with prefix, in the trie's order (byte
// order, so prefix itself first when it is a word); unsorted. Nothing unless
// WordDictionaryState is Ready.
std::vector<std::string> SearchWordsLimited(std::string_view prefix, size_t maximum);

// The most UTF-8 bytes a query of SearchWords (longest word + the distance
// bound) or a prefix of SearchWordsLimited (longest word) can have and still
// find a word; 0 while no dictionary is published. A UTF-16 text has at
// least as many UTF-8 bytes as units, so a longer text need not be
// converted or searched at all: a long input costs no search per key.
size_t LongestUsefulQuery();
size_t LongestUsefulPrefix();

// The length of the NUL-terminated text, but at most limit + 1: enough to
// tell a text longer than limit without reading all of it.
size_t LengthUpTo(const char16_t* text, size_t limit);
