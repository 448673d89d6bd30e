// The deciphered language model: any stream either fails to load, leaving
// nothing behind, or loads a model that every query decodes safely and
// quickly (the fuzzer's time limit). The stream check and the library
// agree: what the check passes the library reads.
//
// Input: one byte n, a query of n % 24 bytes, then the model's plaintext.
#include <cstdint>
#include <cstring>
#include <istream>
#include <memory>
#include <string>

#include <fst/properties.h>

#include "FuzzInput.h"
#include "QuietCerr.h"
#include "suggest/ByteViewStreamBuf.h"
#include "suggest/LanguageModelDecoder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"
#include "suggest/ModelFstCheck.h"
#include "suggest/ModelStreamCheck.h"

namespace {

// Where the properties stand in a stream that passed the check (after the
// magic and the two type strings "vector" and "standard").
constexpr size_t kPropertiesOffset = 4 + (4 + 6) + (4 + 8) + 4 + 4;

bool ClaimsAnError(std::string_view stream) {
  uint64_t properties = 0;
  std::memcpy(&properties, stream.data() + kPropertiesOffset, sizeof properties);
  return (properties & fst::kError) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QuietCerr quiet;
  FuzzInput in(data, size);
  const std::string query(in.Take(in.TakeByte() % 24));
  const std::string_view stream = in.Rest();

  // What the stream check passes, the library reads; the model is then
  // published unless it claims an error or fails the checks of the built
  // model.
  bool publishable = false;
  if (CheckModelStream(stream)) {
    ByteViewStreamBuf buffer(stream);
    std::istream bytes(&buffer);
    const std::unique_ptr<fst::VectorFst<fst::StdArc>> read(
        fst::VectorFst<fst::StdArc>::Read(bytes, fst::FstReadOptions()));
    FUZZ_CHECK(read != nullptr || ClaimsAnError(stream));
    publishable = read != nullptr && !ClaimsAnError(stream) && ModelFstIsSound(*read);
  }
  const bool loaded = PublishLanguageModelBytes(stream);
  FUZZ_CHECK(loaded == publishable);
  if (!loaded) {
    FUZZ_CHECK(ModelInputSymbols == nullptr && LanguageModelFst.NumStates() == 0);
  }
  for (const std::string& q : {query, std::string("ka"), std::string("ami")}) {
    const auto words = DecodeWithLanguageModel(q, true);
    FUZZ_CHECK(words.size() <= 2);
    if (!loaded) FUZZ_CHECK(words.empty());
  }
  ResetLanguageModelGlobals();
  return 0;
}
