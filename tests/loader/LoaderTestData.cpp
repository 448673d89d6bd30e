#include "LoaderTestData.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <thread>

#include "conversion/CodePoints.h"
#include "conversion/ConversionDispatcher.h"
#include "conversion/WideToUtf8.h"
#include "modelbuild/LanguageModelBuilder.h"
#include "host/SystemRoot.h"
#include "service/engine/DictionaryDataFolder.h"
#include "service/module/DllObjectCount.h"
#include "service/engine/EngineDriver.h"
#include "suggest/WordDictionaryBuilder.h"

namespace loaderdata {

const std::u16string kKeys = u"kotha";
const std::string kModelWord1 = Utf8FromCodePoints(U"\u0985\u0995");
const std::string kModelWord2 = Utf8FromCodePoints(U"\u0985\u0996");

std::vector<std::string> Completions(const std::string& word) {
  std::vector<std::string> words;
  for (char32_t letter : {U'\u0995', U'\u0996', U'\u0997'})
    words.push_back(word + Utf8FromCodePoints(std::u32string(1, letter)));
  return words;
}

std::string Utf8(std::u16string_view text) { return WideToUtf8(text); }
std::u16string Utf16(const std::string& text) { return Utf8ToWide(text); }

std::u16string Converted(std::u16string_view keys, int layout) {
  return ConversionDispatcher().Convert(keys, layout, 0);
}

LanguageModelBuilder Model() {
  LanguageModelBuilder builder;
  builder.AddWord(KeyUnits(Utf8(kKeys), "+"), kModelWord1, 1.0f);
  builder.AddWord(KeyUnits(Utf8(kKeys), "+"), kModelWord2, 2.0f);
  return builder;
}

std::string ModelFile() { return Model().ModelFile(); }

std::string Dictionary() {
  std::set<std::string> words;
  for (const std::string& base :
       {Utf8(Converted(kKeys, 1)), Utf8(Converted(kKeys, 2)), kModelWord1, kModelWord2})
    for (const std::string& word : Completions(base)) words.insert(word);
  return BuildWordDictionary({words.begin(), words.end()});
}

std::string DataFolder() {
  std::u16string folder;
  EXPECT_TRUE(DictionaryDataFolder(&folder));
  std::string host = platform::HostPathFromWindowsPath(folder);
  EXPECT_TRUE(platform::EnsureFolder(host.substr(0, host.size() - 1))) << host;
  return host;
}

void WriteDataFile(const std::string& name, const std::string& bytes) {
  std::string error;
  EXPECT_TRUE(WriteFileBytes(DataFolder() + name, bytes, &error)) << error;
}

void RemoveDataFile(const std::string& name) {
  EXPECT_EQ(std::remove((DataFolder() + name).c_str()), 0) << name;
}

void MakeDataFifo(const std::string& name) {
  EXPECT_EQ(mkfifo((DataFolder() + name).c_str(), 0600), 0) << name;
}

void FeedDataFifo(const std::string& name, const std::string& bytes) {
  int fd = open((DataFolder() + name).c_str(), O_WRONLY);  // waits for the loader
  ASSERT_GE(fd, 0) << name;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote <= 0) break;
    done += static_cast<size_t>(wrote);
  }
  close(fd);
  EXPECT_EQ(done, bytes.size());
}

namespace {

template <typename Done>
bool WaitFor(Done&& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace

bool WaitForState(const std::atomic<LoadState>& state, LoadState value) {
  return WaitFor([&] { return ReadLoadState(state) == value; });
}

bool WaitUntilModuleFree() {
  return WaitFor([] { return !ModuleInUse(); });
}

std::vector<std::u16string> Candidates(CCompositionProcessorEngine& engine,
                                       std::u16string_view keys) {
  LutemIMEArray<CCandidateListItem> list;
  EngineDriver::Type(engine, keys, &list);
  std::vector<std::u16string> texts;
  for (size_t i = 0; i < list.Count(); ++i) texts.emplace_back(list.GetAt(i)->View());
  return texts;
}

}  // namespace loaderdata
