#include "suggest/WordDictionaryGlobals.h"

std::mutex WordDictionaryMutex;
std::unique_ptr<WordDictionaryTrie> WordTrie;
