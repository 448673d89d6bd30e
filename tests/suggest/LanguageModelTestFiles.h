#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <string>

#include "modelbuild/LanguageModelBuilder.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LanguageModelLoader.h"
#include "support/MakeTempFolder.h"

// A private scratch folder per test (the tests run as parallel processes),
// removed with everything in it at the end.
class LanguageModelScratch {
 public:
  LanguageModelScratch() : dir_(MakeTempFolder("lutem-lm-")) {}
  ~LanguageModelScratch() {
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    WriteFileBytes(path, bytes, nullptr);
    return path;
  }

 private:
  std::string dir_;
};

// Writes the builder's model file and loads it into the model globals the way
// the loader thread does.
inline bool LoadBuiltModel(const LanguageModelBuilder& builder) {
  static std::mutex publishLock;
  LanguageModelScratch scratch;
  return LoadLanguageModel(scratch.Write("Lutem_LM.bin", builder.ModelFile()), publishLock);
}

// What a failed load leaves: every model global empty.
inline void ExpectNoModelPublished() {
  EXPECT_EQ(0, LanguageModelFst.NumStates());
  EXPECT_EQ(nullptr, ModelInputSymbols);
  EXPECT_EQ(nullptr, ModelOutputSymbols);
  EXPECT_TRUE(InputLabelPieces.empty());
  EXPECT_TRUE(InputPiecesToLabel.empty());
  EXPECT_TRUE(OutputLabelPieces.empty());
  EXPECT_TRUE(OutputPiecesToLabel.empty());
  EXPECT_TRUE(SkippedOutputLabels.empty());
  EXPECT_EQ(0, MaxInputSpan);
  EXPECT_EQ(0, MaxOutputSpan);
}
