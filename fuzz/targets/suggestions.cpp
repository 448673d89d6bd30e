// The candidate list for any key buffer, in every layout, encoding and
// suggestion-bar setting, with a word dictionary and a language model loaded
// and a remembered choice: every item is a readable text, no text stands
// twice, and the converted text (or the remembered choice) comes first.
//
// Input: one byte choosing layout, encoding, the suggestion bar and whether
// the keys have a remembered choice, then the keys as UTF-8 text.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "QuietCerr.h"
#include "conversion/CodePoints.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/WideToUtf8.h"
#include "modelbuild/LanguageModelBuilder.h"
#include "service/engine/CTableDictionaryEngine.h"
#include "suggest/CandidateListBuilder.h"
#include "suggest/LanguageModelLoader.h"
#include "suggest/LoadState.h"
#include "suggest/ReadWordTrie.h"
#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordDictionaryGlobals.h"

namespace {

// Syllables whose pairs make the dictionary's words and the model's outputs.
const char32_t* const kSyllables[] = {U"\u0986",       U"\u09AE\u09BF", U"\u0995\u09BE",
                                      U"\u09A5\u09BE", U"\u09AC\u09BE", U"\u0982\u09B2\u09BE",
                                      U"\u09A4\u09C1", U"\u09B0"};
const char* const kKeys[] = {"a", "mi", "ka", "tha", "ba", "ngla", "tu", "r"};

void LoadWords() {
  std::vector<std::string> words;
  for (const char32_t* a : kSyllables)
    for (const char32_t* b : kSyllables) words.push_back(Utf8FromCodePoints(std::u32string(a) + b));
  std::string file;
  try {
    file = BuildWordDictionary(words);
  } catch (const std::exception&) {
    return;  // built without the trie library: no dictionary words
  }
  std::FILE* stream = std::tmpfile();
  FUZZ_CHECK(stream != nullptr);
  std::fwrite(file.data(), 1, file.size(), stream);
  std::rewind(stream);
  auto trie = std::make_unique<WordDictionaryTrie>();
  FUZZ_CHECK(ReadWordTrie(stream, trie.get()));
  std::fclose(stream);
  std::lock_guard<std::mutex> lock(WordDictionaryMutex);
  WordTrie.swap(trie);
}

void LoadModel() {
  LanguageModelBuilder builder("+");
  const size_t n = sizeof kKeys / sizeof kKeys[0];
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) {
      const std::string keys = std::string(kKeys[i]) + kKeys[j];
      builder.AddWord(KeyUnits(keys, "+"), Utf8FromCodePoints(std::u32string(kSyllables[i]) + kSyllables[j]),
                      static_cast<float>(1 + (i + j) % 5));
    }
  }
  FUZZ_CHECK(PublishLanguageModelBytes(builder.Plaintext()));
}

struct Data {
  Data() : engine(0x0845, u"C:\\no data folder\\") { InitializeCriticalSection(&lock); }
  // Loaded and Ready before the dictionary engine exists, so that it starts
  // no loader of its own.
  static bool Loaded() {
    LoadWords();
    LoadModel();
    SetLoadState(WordDictionaryState, LoadState::Ready);
    SetLoadState(LanguageModelState, LoadState::Ready);
    return true;
  }
  bool loaded = Loaded();
  CTableDictionaryEngine engine;
  UserDictionary remembered;
  CRITICAL_SECTION lock;
  ConversionDispatcher dispatcher;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Data d;
  const QuietCerr quiet;
  FuzzInput in(data, size);
  const uint8_t choice = in.TakeByte();
  const int layout = 1 + (choice & 7);
  const int encoding = (choice >> 3) & 1;
  const bool candidateWindow = (choice & 0x10) != 0;
  const bool remember = (choice & 0x20) != 0;
  const std::u16string keys = Utf8ToWide(in.Rest());

  std::u16string converted;
  try {
    converted = d.dispatcher.Convert(keys, layout, encoding);
  } catch (const std::exception&) {
    converted = keys;  // as the engine does when a conversion fails
  }
  // Each input starts from the same remembered choices, so that it fails
  // (or not) on its own.
  d.remembered.Clear();
  d.remembered.Set(u"ami", u"\u0986\u09AE\u09BF");
  if (remember && !keys.empty())
    d.remembered.Set(keys, converted.empty() ? u"\u0995" : converted.substr(0, 1) + u"\u09BE");

  CandidateListInputs inputs;
  inputs.keys.length = keys.size();
  inputs.keys.text = AsWchar(keys.c_str());
  inputs.convertedText = AsWchar(converted.c_str());
  inputs.layout = layout;
  inputs.encoding = encoding;
  inputs.candidateWindow = candidateWindow;
  inputs.dictionaryEngine = &d.engine;
  inputs.userDictionary = &d.remembered;
  inputs.userDictionaryLock = &d.lock;
  LutemIMEArray<CCandidateListItem> list;
  CandidateListBuilder(inputs).Build(&list);

  std::set<std::u16string> seen;
  for (size_t i = 0; i < list.Count(); ++i) {
    const CCandidateListItem* item = list.GetAt(i);
    FUZZ_CHECK(item != nullptr && item->text != nullptr);
    const std::u16string text(item->View());
    FUZZ_CHECK(seen.insert(text).second);
  }
  if (keys.empty()) {
    FUZZ_CHECK(list.Count() == 0);
  } else if (list.Count() > 0) {
    // The converted text is handed over NUL-terminated, so it ends at the
    // first NUL a key put there.
    const std::u16string shown = converted.substr(0, converted.find(u'\0'));
    const auto choice = d.remembered.Find(keys);
    const std::u16string first(list.GetAt(0)->View());
    FUZZ_CHECK(first == shown || (candidateWindow && encoding == 0 && choice && first == *choice));
  }
  return 0;
}
