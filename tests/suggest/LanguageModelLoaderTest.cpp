#include <gtest/gtest.h>

#include <sstream>

#include <fst/flags.h>

#include "modelbuild/AesCipher.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelTestFiles.h"

DECLARE_bool(fst_error_fatal);

namespace {

std::mutex& PublishLock() {
  static std::mutex lock;
  return lock;
}

LanguageModelBuilder SmallModel() {
  LanguageModelBuilder builder("+");
  builder.AddWord(KeyUnits("(kh)a", "+"), "\xE0\xA6\x96\xE0\xA6\xBE", 1.0f);
  builder.AddWord(KeyUnits("ka", "+"), "\xE0\xA6\x95\xE0\xA6\xBE", 2.0f);
  builder.AddWord(KeyUnits("a", "+"), "\xE0\xA6\x85", 0.5f);
  return builder;
}

class LanguageModelLoaderTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetLanguageModelGlobals(); }
  bool Load(const std::string& fileBytes) {
    return LoadLanguageModel(scratch_.Write("Lutem_LM.bin", fileBytes), PublishLock());
  }
  LanguageModelScratch scratch_;
};

TEST_F(LanguageModelLoaderTest, LibraryErrorsAreNotFatal) { EXPECT_FALSE(FLAGS_fst_error_fatal); }

TEST_F(LanguageModelLoaderTest, LoadsSortsAndIndexesAModel) {
  LanguageModelBuilder builder = SmallModel();
  ASSERT_TRUE(Load(builder.ModelFile()));

  EXPECT_EQ(builder.Fst().NumStates(), LanguageModelFst.NumStates());
  EXPECT_TRUE(LanguageModelFst.Properties(fst::kILabelSorted, true));
  ASSERT_NE(nullptr, ModelInputSymbols);
  ASSERT_NE(nullptr, ModelOutputSymbols);
  EXPECT_EQ(LanguageModelFst.InputSymbols(), ModelInputSymbols);
  EXPECT_EQ(LanguageModelFst.OutputSymbols(), ModelOutputSymbols);
  const int32_t k = builder.InputLabel("k"), h = builder.InputLabel("h"), kh = builder.InputLabel("k+h");
  EXPECT_EQ(kh, InputPiecesToLabel.at(LabelList{k, h}));
  EXPECT_EQ((LabelList{k, h}), InputLabelPieces.at(kh));
  EXPECT_EQ(2, MaxInputSpan);
  EXPECT_EQ(1, MaxOutputSpan);
  EXPECT_EQ((std::unordered_set<int32_t>{0, 1, 2}), SkippedOutputLabels);
}

TEST_F(LanguageModelLoaderTest, BytesAfterTheModelAreNotRead) {
  // The reader stops at the end of the model: the padding of its last block
  // and a trailing partial block behind it are never looked at.
  const std::string plaintext = SmallModel().Plaintext();
  const std::string file = EncipherLanguageModel(plaintext);
  ASSERT_TRUE(Load(file));
  EXPECT_TRUE(Load(file + "tail"));
}

TEST_F(LanguageModelLoaderTest, AFileCutInsideTheModelsLastBlockFails) {
  // A trailing partial block deciphers together with the end of the block
  // before it, so the model's last bytes come out as noise, which the
  // library took for the last arc's fields (such a model once loaded).
  const std::string plaintext = SmallModel().Plaintext();
  const size_t padding = (16 - plaintext.size() % 16) % 16;
  ASSERT_GT(padding, 0u) << "the fixture must end inside a block";
  std::string file = EncipherLanguageModel(plaintext);
  file.resize(file.size() - padding);
  EXPECT_FALSE(Load(file));
  ExpectNoModelPublished();
}

TEST_F(LanguageModelLoaderTest, AFailedLoadLeavesTheGlobalsEmpty) {
  ASSERT_TRUE(Load(SmallModel().ModelFile()));  // a failure after a success must not leave the old model
  struct Case {
    const char* name;
    std::string bytes;
  };
  LanguageModelBuilder noInput = SmallModel();
  noInput.DropInputSymbols();
  LanguageModelBuilder noOutput = SmallModel();
  noOutput.DropOutputSymbols();
  fst::VectorFst<fst::LogArc> logModel;
  logModel.SetStart(logModel.AddState());
  std::ostringstream logBytes;
  logModel.Write(logBytes, fst::FstWriteOptions("log"));
  const std::string plaintext = SmallModel().Plaintext();

  const Case cases[] = {
      {"empty file", ""},
      {"leading bytes only", "LutemLM"},
      {"not a model", EncipherLanguageModel("this is a plain text file, not a model at all")},
      {"not enciphered", "LutemLM" + plaintext},
      {"cut short", EncipherLanguageModel(plaintext.substr(0, plaintext.size() / 2))},
      {"wrong arc type", EncipherLanguageModel(logBytes.str())},
      {"no input symbols", noInput.ModelFile()},
      {"no output symbols", noOutput.ModelFile()},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(Load(c.bytes)) << c.name;
    ExpectNoModelPublished();
  }
}

TEST_F(LanguageModelLoaderTest, AMissingFileFails) {
  EXPECT_FALSE(LoadLanguageModel(scratch_.Path("absent.bin"), PublishLock()));
  ExpectNoModelPublished();
}

TEST_F(LanguageModelLoaderTest, PublishReadsFromAnyStream) {
  std::istringstream plaintext(SmallModel().Plaintext());
  EXPECT_TRUE(PublishLanguageModel(plaintext));
  std::istringstream nothing;
  EXPECT_FALSE(PublishLanguageModel(nothing));
}

}  // namespace
