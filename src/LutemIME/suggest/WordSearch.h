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
