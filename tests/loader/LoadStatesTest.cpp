#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FreshProcess.h"
#include "LoaderTestData.h"
#include "modelbuild/LanguageModelBuilder.h"
#include "host/SystemRoot.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/module/DllObjectCount.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/LanguageModelGlobals.h"
#include "suggest/LoadLanguageModelThread.h"
#include "suggest/LoadWordDictionaryThread.h"
#include "suggest/WordDictionaryBuilder.h"

using namespace loaderdata;

namespace {

using Texts = std::vector<std::u16string>;

const char kWordFile[] = "lutem_bn-BD.bin";
const char kModelFile[] = "Lutem_LM.bin";

// What a layout-2 list holds with the word dictionary Ready: the converted
// text, the keys and the three completions of the converted text.
Texts KhiproList() {
  Texts list{Converted(kKeys, 2), kKeys};
  for (const std::string& word : Completions(Utf8(Converted(kKeys, 2)))) list.push_back(Utf16(word));
  return list;
}

void UseLayout(int layout) {
  CurrentLayout = layout;
  CurrentEncoding = 0;
  CandidateWindow = 1;
}

}  // namespace

FRESH_PROCESS_TEST(LoadStates, TwoEnginesStartEachLoaderOnceAndShareWhatItLoads) {
  UseLayout(2);
  WriteDataFile(kWordFile, Dictionary());
  WriteDataFile(kModelFile, ModelFile());
  {
    CCompositionProcessorEngine first;
    ASSERT_TRUE(EngineDriver::LoadDictionaries(first));
    EXPECT_EQ(ReadLoadState(WordDictionaryState), LoadState::Ready);
    EXPECT_EQ(ReadLoadState(LanguageModelState), LoadState::Ready);

    // Loaders started again would find no files now and end Failed.
    RemoveDataFile(kWordFile);
    RemoveDataFile(kModelFile);
    CCompositionProcessorEngine second;
    ASSERT_TRUE(EngineDriver::LoadDictionaries(second));
    EXPECT_EQ(ReadLoadState(WordDictionaryState), LoadState::Ready);
    EXPECT_EQ(ReadLoadState(LanguageModelState), LoadState::Ready);
    ASSERT_NE(second.dictionaryEngine.load(), nullptr);
    EXPECT_NE(second.dictionaryEngine.load(), first.dictionaryEngine.load());
    EXPECT_EQ(Candidates(first, kKeys), KhiproList());
    EXPECT_EQ(Candidates(second, kKeys), KhiproList());

    // A second profile initialisation gives the engine a new dictionary
    // engine; the old one lives on until the engine goes (the leak check
    // of the sanitizer build sees both freed).
    CBaseDictionaryEngine* old = second.dictionaryEngine.load();
    ASSERT_TRUE(EngineDriver::LoadDictionaries(second));
    EXPECT_NE(second.dictionaryEngine.load(), old);
    EXPECT_EQ(Candidates(second, kKeys), KhiproList());
  }
  // An engine destroyed while its dictionary thread runs waits for it.
  {
    CCompositionProcessorEngine third;
    ASSERT_TRUE(third.StartDictionaryThread());
  }
  EXPECT_TRUE(WaitUntilModuleFree());
}

FRESH_PROCESS_TEST(LoadStates, ListsGoWithoutWordsWhileLoadingAndGetThemOnceReady) {
  MakeDataFifo(kWordFile);
  MakeDataFifo(kModelFile);
  EXPECT_FALSE(ModuleInUse());
  CCompositionProcessorEngine engine;
  ASSERT_TRUE(engine.StartDictionaryThread());
  WaitForSingleObject(engine.dictionaryThreads.back(), INFINITE);
  EXPECT_NE(engine.dictionaryEngine.load(), nullptr);
  EXPECT_EQ(ReadLoadState(WordDictionaryState), LoadState::Loading);
  EXPECT_EQ(ReadLoadState(LanguageModelState), LoadState::Loading);
  // Both loaders wait in their opens and hold the module meanwhile.
  EXPECT_TRUE(ModuleInUse());

  // Nothing waits for a loader: the lists come at once, without words.
  const Texts plain1{Converted(kKeys, 1), kKeys};
  UseLayout(2);
  EXPECT_EQ(Candidates(engine, kKeys), (Texts{Converted(kKeys, 2), kKeys}));
  UseLayout(1);
  EXPECT_EQ(Candidates(engine, kKeys), plain1);

  FeedDataFifo(kWordFile, Dictionary());
  ASSERT_TRUE(WaitForState(WordDictionaryState, LoadState::Ready));
  UseLayout(2);
  EXPECT_EQ(Candidates(engine, kKeys), KhiproList());
  // Layout 1 takes all its words through the model, which still loads.
  UseLayout(1);
  EXPECT_EQ(Candidates(engine, kKeys), plain1);
  EXPECT_TRUE(ModuleInUse());

  FeedDataFifo(kModelFile, ModelFile());
  ASSERT_TRUE(WaitForState(LanguageModelState, LoadState::Ready));
  Texts withModel = Candidates(engine, kKeys);
  ASSERT_GE(withModel.size(), 4u);
  EXPECT_EQ(withModel[2], Utf16(kModelWord1));
  EXPECT_EQ(withModel[3], Utf16(kModelWord2));
  EXPECT_TRUE(WaitUntilModuleFree());
}

// The model loader holds the model's lock for its whole parse, which takes a
// second or more for a large model. An engine set up meanwhile (a second UI
// thread, the keyboard switched off and on) finds both loads started and
// must take no lock the parse holds: the UI thread's searches and the
// engine's end (Deactivate) go on while the test holds that lock as the
// parse does. Before, they waited for it, here for good.
FRESH_PROCESS_TEST(LoadStates, AnEngineSetUpDuringTheModelParseWaitsForNoLoad) {
  UseLayout(2);
  WriteDataFile(kWordFile, Dictionary());
  MakeDataFifo(kModelFile);
  CCompositionProcessorEngine first;
  ASSERT_TRUE(first.StartDictionaryThread());
  WaitForSingleObject(first.dictionaryThreads.back(), INFINITE);
  ASSERT_TRUE(WaitForState(WordDictionaryState, LoadState::Ready));
  ASSERT_EQ(ReadLoadState(LanguageModelState), LoadState::Loading);

  std::unique_lock<std::mutex> parse(LanguageModelMutex);
  auto uiThread = std::async(std::launch::async, [&first] {
    std::vector<Texts> lists;
    CCompositionProcessorEngine second;
    if (!second.StartDictionaryThread()) return lists;
    lists.push_back(Candidates(first, kKeys));  // while the second is set up
    WaitForSingleObject(second.dictionaryThreads.back(), INFINITE);
    lists.push_back(Candidates(second, kKeys));
    return lists;  // and the second engine ends, as at Deactivate
  });
  const bool finished = uiThread.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
  parse.unlock();
  EXPECT_TRUE(finished) << "the UI thread waited for the model's parse";
  EXPECT_EQ(uiThread.get(), (std::vector<Texts>{KhiproList(), KhiproList()}));

  FeedDataFifo(kModelFile, ModelFile());
  ASSERT_TRUE(WaitForState(LanguageModelState, LoadState::Ready));
  EXPECT_TRUE(WaitUntilModuleFree());
}

namespace {

// A valid dictionary file at a Windows path made of two long folders, whose
// narrow form takes `bytes` bytes.
std::u16string ValidFileAtPathOfLength(size_t bytes) {
  const std::string name = "lutem_bn-BD.bin";
  const size_t fixed = 3 + 1 + 1 + name.size();  // "C:\", two more backslashes
  const size_t first = (bytes - fixed) / 2, second = bytes - fixed - first;
  const std::string a(first, 'a'), b(second, 'b');
  const std::string folder = platform::SystemRootFolder() + "/" + a + "/" + b;
  EXPECT_TRUE(platform::EnsureFolder(folder));
  std::string error;
  EXPECT_TRUE(WriteFileBytes(folder + "/" + name, Dictionary(), &error)) << error;
  return Utf16("C:\\" + a + "\\" + b + "\\" + name);
}

struct FailureCase {
  std::function<void()> run;
  LoadState word;
  LoadState model;
};

const std::map<std::string, FailureCase>& FailureCases() {
  static const std::map<std::string, FailureCase> cases = {
      {"header with another last byte",
       {[] {
          std::string bytes = Dictionary();
          bytes[13] = 'x';  // the NUL that ends the header
          WriteDataFile(kWordFile, bytes);
          WriteDataFile(kModelFile, ModelFile());
        },
        LoadState::Failed, LoadState::Ready}},
      {"no files", {[] {}, LoadState::Failed, LoadState::Failed}},
      {"folders instead of files",
       {[] {
          platform::EnsureFolder(DataFolder() + kWordFile);
          platform::EnsureFolder(DataFolder() + kModelFile);
        },
        LoadState::Failed, LoadState::Failed}},
      {"model that is not a model",
       {[] {
          WriteDataFile(kWordFile, Dictionary());
          WriteDataFile(kModelFile, Dictionary());
        },
        LoadState::Ready, LoadState::Failed}},
      // The runtime's default locale has no narrow form for U+0995.
      {"paths the narrow conversion rejects",
       {[] {
          LoadWordDictionaryThread(u"C:\\\u0995\\lutem_bn-BD.bin");
          LoadLanguageModelThread(u"C:\\\u0995\\Lutem_LM.bin");
        },
        LoadState::Failed, LoadState::Failed}},
      {"path of 260 bytes",
       {[] { LoadWordDictionaryThread(ValidFileAtPathOfLength(260)); }, LoadState::Failed,
        LoadState::NotStarted}},
      {"path of 259 bytes",
       {[] { LoadWordDictionaryThread(ValidFileAtPathOfLength(259)); }, LoadState::Ready,
        LoadState::NotStarted}},
  };
  return cases;
}

std::vector<std::string> FailureCaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : FailureCases()) names.push_back(entry.first);
  return names;
}

}  // namespace

FRESH_PROCESS_TEST_CASES(LoadStates, FailuresEndFailedAndTheListsGoOn, FailureCaseNames()) {
  const FailureCase& c = FailureCases().at(freshCase);
  UseLayout(2);
  c.run();
  CCompositionProcessorEngine engine;
  const bool throughEngine = ReadLoadState(WordDictionaryState) == LoadState::NotStarted;
  if (throughEngine) {
    ASSERT_TRUE(EngineDriver::LoadDictionaries(engine));
  }
  EXPECT_EQ(ReadLoadState(WordDictionaryState), c.word);
  EXPECT_EQ(ReadLoadState(LanguageModelState), c.model);
  if (!throughEngine) return;
  const Texts expected =
      c.word == LoadState::Ready ? KhiproList() : Texts{Converted(kKeys, 2), kKeys};
  EXPECT_EQ(Candidates(engine, kKeys), expected);
  // A failed file is never tried again in this process, even once it is sound.
  std::filesystem::remove_all(DataFolder() + kWordFile);
  WriteDataFile(kWordFile, Dictionary());
  CCompositionProcessorEngine later;
  ASSERT_TRUE(EngineDriver::LoadDictionaries(later));
  EXPECT_EQ(ReadLoadState(WordDictionaryState), c.word);
}
