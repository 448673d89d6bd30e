#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "modelbuild/LanguageModelBuilder.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "suggest/LoadState.h"

// The data of the loader tests: keys, the two model words for them and
// dictionary words that begin with each (as UTF-8 unless said otherwise).
namespace loaderdata {

extern const std::u16string kKeys;        // "kotha"
extern const std::string kModelWord1;     // the byte-smaller of the two
extern const std::string kModelWord2;
// Three letters that make three completions of any word, in byte order.
std::vector<std::string> Completions(const std::string& word);
std::string Utf8(std::u16string_view text);
std::u16string Utf16(const std::string& text);

// The keys converted as the engine converts them (Unicode).
std::u16string Converted(std::u16string_view keys, int layout);

// A model that gives the two model words for kKeys, and its file.
LanguageModelBuilder Model();
std::string ModelFile();

// A word-dictionary file of the completions of the converted keys of
// layouts 1 and 2 and of both model words.
std::string Dictionary();

// The host folder that stands for the data folder, made on demand.
std::string DataFolder();
void WriteDataFile(const std::string& name, const std::string& bytes);
void RemoveDataFile(const std::string& name);
// A FIFO in the data folder: a loader that opens it waits in the open until
// FeedDataFifo writes the bytes, so the test decides how long it stays Loading.
void MakeDataFifo(const std::string& name);
void FeedDataFifo(const std::string& name, const std::string& bytes);

// Waits (up to 30 s) for the state, or for every module reference to go.
bool WaitForState(const std::atomic<LoadState>& state, LoadState value);
bool WaitUntilModuleFree();

// The candidate list an engine builds for keys, in the current settings.
std::vector<std::u16string> Candidates(CCompositionProcessorEngine& engine,
                                       std::u16string_view keys);

}  // namespace loaderdata
