// Damaged data files in the data folder, loaded the way the input method
// loads them: each ends Failed, and the candidate lists of layout 1 (model
// words) and layout 2 (dictionary words) go on without that file's words.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "FreshProcess.h"
#include "LoaderTestData.h"
#include "modelbuild/AesCipher.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"

using namespace loaderdata;

namespace {

using Texts = std::vector<std::u16string>;

const char kWordFile[] = "lutem_bn-BD.bin";
const char kModelFile[] = "Lutem_LM.bin";

// The loader data's model, but with its first arc sent to a state the model
// does not have: the library reads that without a word, and the first
// layout-1 key used to crash in the search.
std::string ModelWithATargetOutOfRange() {
  fst::VectorFst<fst::StdArc> model = Model().Fst();
  fst::MutableArcIterator<fst::VectorFst<fst::StdArc>> arc(&model, model.Start());
  fst::StdArc damaged = arc.Value();
  damaged.nextstate = model.NumStates() + 1000;
  arc.SetValue(damaged);
  std::ostringstream bytes;
  model.Write(bytes, fst::FstWriteOptions("model"));
  return EncipherLanguageModel(bytes.str());
}

// The loader data's model with the length of its input table's name made
// 2^31 - 1: the library's reader loops over every one of those bytes.
std::string ModelWithAHugeLength() {
  std::string plaintext = Model().Plaintext();
  const std::string name("\x05\0\0\0input", 9);
  const size_t at = plaintext.find(name);
  if (at == std::string::npos) return {};
  plaintext.replace(at, 4, "\xFF\xFF\xFF\x7F", 4);
  return EncipherLanguageModel(plaintext);
}

struct Case {
  std::string words;
  std::string model;
  LoadState word;
  LoadState modelState;
};

const std::map<std::string, Case>& Cases() {
  static const std::map<std::string, Case> cases = [] {
    std::string flipped = Dictionary();
    flipped[flipped.size() / 2] ^= 0x20;
    const std::string sound = Dictionary();
    return std::map<std::string, Case>{
        {"model arc to a state it does not have",
         {sound, ModelWithATargetOutOfRange(), LoadState::Ready, LoadState::Failed}},
        {"model string of 2^31 - 1 bytes",
         {sound, ModelWithAHugeLength(), LoadState::Ready, LoadState::Failed}},
        {"dictionary with a byte changed in its body",
         {flipped, ModelFile(), LoadState::Failed, LoadState::Ready}},
        {"dictionary cut in its body",
         {sound.substr(0, sound.size() - 40), ModelFile(), LoadState::Failed, LoadState::Ready}},
    };
  }();
  return cases;
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : Cases()) names.push_back(entry.first);
  return names;
}

}  // namespace

FRESH_PROCESS_TEST_CASES(DamagedData, FailsAndTheListsGoOnWithoutIt, CaseNames()) {
  const Case& c = Cases().at(freshCase);
  ASSERT_FALSE(c.model.empty());
  WriteDataFile(kWordFile, c.words);
  WriteDataFile(kModelFile, c.model);
  CurrentEncoding = 0;
  CandidateWindow = 1;
  CCompositionProcessorEngine engine;
  ASSERT_TRUE(EngineDriver::LoadDictionaries(engine));
  EXPECT_EQ(ReadLoadState(WordDictionaryState), c.word);
  EXPECT_EQ(ReadLoadState(LanguageModelState), c.modelState);

  CurrentLayout = 1;
  Texts layout1{Converted(kKeys, 1), kKeys};
  if (c.modelState == LoadState::Ready) {
    // The model words alone: no completions without the dictionary.
    layout1.push_back(Utf16(kModelWord1));
    layout1.push_back(Utf16(kModelWord2));
  }
  EXPECT_EQ(Candidates(engine, kKeys), layout1);
  EXPECT_EQ(Candidates(engine, u"ka"), (Texts{Converted(u"ka", 1), u"ka"}));

  CurrentLayout = 2;
  Texts layout2{Converted(kKeys, 2), kKeys};
  if (c.word == LoadState::Ready) {
    for (const std::string& word : Completions(Utf8(Converted(kKeys, 2)))) layout2.push_back(Utf16(word));
  }
  EXPECT_EQ(Candidates(engine, kKeys), layout2);
}
