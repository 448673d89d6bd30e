// A damaged model file must fail about as fast as the sound one loads (see
// BM_LanguageModelLoad): the damaged length alone once cost 13 s and 2 GB
// in the library's reader. Each case damages the generated model's plaintext
// once and enciphers it again.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>

#include "GeneratedLanguageModel.h"
#include "modelbuild/AesCipher.h"
#include "suggest/LanguageModelFile.h"
#include "suggest/LanguageModelLoader.h"

namespace {

// Where the header's fixed fields stand: magic, "vector", "standard",
// version, flags, properties, then the start and the state count.
constexpr size_t kStartOffset = 4 + (4 + 6) + (4 + 8) + 4 + 4 + 8;
constexpr size_t kStatesOffset = kStartOffset + 8;

std::string Plaintext(const GeneratedModel& model) {
  std::ostringstream out;
  ReadLanguageModelFile(model.path, out);
  return out.str();
}

void Put64(std::string& bytes, size_t at, int64_t value) { std::memcpy(&bytes[at], &value, 8); }

std::string Damaged(const std::string& plaintext, int damage) {
  std::string bytes = plaintext;
  switch (damage) {
    case 0: {  // the input table's name 2^31 - 1 bytes long
      const size_t at = bytes.find(std::string("\x05\0\0\0input", 9));
      if (at != std::string::npos) std::memcpy(&bytes[at], "\xFF\xFF\xFF\x7F", 4);
      break;
    }
    case 1:  // a start far outside the model
      Put64(bytes, kStartOffset, int64_t{1} << 40);
      break;
    case 2:  // more states than the file can hold
      Put64(bytes, kStatesOffset, int64_t{1} << 40);
      break;
    default:  // cut in half
      bytes.resize(bytes.size() / 2);
      break;
  }
  return bytes;
}

void BM_DamagedModelLoad(benchmark::State& state) {
  static const GeneratedModel model = GenerateLanguageModel();
  if (model.path.empty()) {
    state.SkipWithError("no model");
    return;
  }
  const std::string path = model.path + ".damaged";
  {
    std::ofstream out(path, std::ios::binary);
    out << EncipherLanguageModel(Damaged(Plaintext(model), static_cast<int>(state.range(0))));
  }
  std::mutex lock;
  for (auto _ : state) {
    if (LoadLanguageModel(path, lock)) state.SkipWithError("a damaged model loaded");
  }
  state.counters["file_bytes"] = static_cast<double>(model.file.size());
}
BENCHMARK(BM_DamagedModelLoad)
    ->ArgName("damage")  // 0 huge length, 1 start, 2 state count, 3 cut in half
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
