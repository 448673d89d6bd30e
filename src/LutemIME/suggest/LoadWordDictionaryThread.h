#pragma once

#include <string>

// The word loader: reads the word-dictionary file at path (a full Windows
// path) into a trie without the lock, publishes it as WordTrie under
// WordDictionaryMutex and sets WordDictionaryState Ready; every failure (a
// path that cannot be narrowed, a file that cannot be opened, a short or
// foreign or damaged file, no memory) sets it Failed. Throws nothing. Its
// starter has set the state Loading.
void LoadWordDictionaryThread(std::u16string path);
