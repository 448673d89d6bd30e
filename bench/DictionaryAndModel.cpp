#include "DictionaryAndModel.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "BenchData.h"
#include "TypedWords.h"
#include "GeneratedLanguageModel.h"
#include "host/SystemRoot.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/engine/EngineDriver.h"
#include "suggest/LoadState.h"

namespace {

std::vector<std::string>& Typed() {
  static std::vector<std::string> typed;
  return typed;
}

std::string LoadOnce() {
  std::ifstream in(DefaultDictionaryPath(), std::ios::binary);
  const std::string dictionary{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (dictionary.empty()) return "no default dictionary at " + DefaultDictionaryPath() + " (run ./setup.sh)";
  GeneratedModel model;
  if (DefaultModelLoaded()) {
    std::ifstream file(DefaultModelPath(), std::ios::binary);
    model.file.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (model.file.empty()) return "no default model at " + DefaultModelPath() + " (run ./setup.sh)";
    for (const TypedWord& word : TypedWords()) model.typed.push_back(word.keys);
  } else {
    model = GenerateLanguageModel();
    if (model.path.empty()) return "cannot write the model";
    std::filesystem::remove_all(std::filesystem::path(model.path).parent_path());
  }
  Typed() = model.typed;

  const std::string root = BenchTempFolder("lutem-bench");
  if (root.empty()) return "cannot make a system root";
  const char* old = std::getenv("LUTEM_SYSTEM_ROOT");
  const std::string oldRoot = old != nullptr ? old : "";
  const bool hadRoot = old != nullptr;
  setenv("LUTEM_SYSTEM_ROOT", root.c_str(), 1);
  std::u16string folder;
  DictionaryDataFolder(&folder);
  const std::string host = platform::HostPathFromWindowsPath(folder);
  platform::EnsureFolder(host.substr(0, host.size() - 1));
  std::ofstream(host + "lutem_bn-BD.bin", std::ios::binary) << dictionary;
  std::ofstream(host + "Lutem_LM.bin", std::ios::binary) << model.file;
  {
    CCompositionProcessorEngine loader;
    EngineDriver::LoadDictionaries(loader);
  }
  if (hadRoot)
    setenv("LUTEM_SYSTEM_ROOT", oldRoot.c_str(), 1);
  else
    unsetenv("LUTEM_SYSTEM_ROOT");
  std::filesystem::remove_all(root);
  if (!IsLoadReady(WordDictionaryState) || !IsLoadReady(LanguageModelState)) return "a load failed";
  return {};
}

}  // namespace

bool DefaultModelLoaded() {
  const char* which = std::getenv("LUTEM_BENCH_MODEL");
  return which != nullptr && std::string(which) == "default";
}

std::string LoadDefaultDictionaryAndModel() {
  static const std::string failure = LoadOnce();
  return failure;
}

const std::vector<std::string>& GeneratedModelTyping() { return Typed(); }
