// The whole model file as the loader reads it (7 leading bytes, AES blocks,
// a trailing partial block): any file fails or loads a model that queries
// safely.
//
// Input: one byte n, a query of n % 24 bytes, then the file.
#include <cstdint>
#include <mutex>
#include <string>

#include "FuzzInput.h"
#include "QuietCerr.h"
#include "FuzzScratch.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QuietCerr quiet;
  static std::mutex lock;
  FuzzInput in(data, size);
  const std::string query(in.Take(in.TakeByte() % 24));
  const std::string path = FuzzScratch::Write("Lutem_LM.bin", std::string(in.Rest()));

  const bool loaded = LoadLanguageModel(path, lock);
  for (const std::string& q : {query, std::string("ka")}) {
    const auto words = DecodeWithLanguageModel(q, true);
    FUZZ_CHECK(words.size() <= 2);
    if (!loaded) FUZZ_CHECK(words.empty());
  }
  ResetLanguageModelGlobals();
  return 0;
}
