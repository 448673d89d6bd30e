#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FreshProcess.h"
#include "LoaderTestData.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/LanguageModelSuggestions.h"
#include "suggest/WordDictionaryBuilder.h"

using namespace loaderdata;

namespace {

using Texts = std::vector<std::u16string>;

const char kWordFile[] = "lutem_bn-BD.bin";
const char kModelFile[] = "Lutem_LM.bin";
// 20 keys: 20 UTF-8 bytes, more than the model's query gate lets through.
const std::u16string kLongKeys = u"tumitumitumitumitumi";

Texts Suggestions(std::u16string_view keys) {
  LutemIMEArray<CCandidateListItem> list;
  const std::u16string converted = Converted(keys, 1);
  GetSuggestions(std::u16string(keys), AsWchar(converted.c_str()), &list);
  Texts texts;
  for (size_t i = 0; i < list.Count(); ++i) texts.emplace_back(list.GetAt(i)->View());
  return texts;
}

Texts Utf16All(const std::vector<std::string>& words) {
  Texts texts;
  for (const std::string& word : words) texts.push_back(Utf16(word));
  return texts;
}

void UseLayout1() {
  CurrentLayout = 1;
  CurrentEncoding = 0;
  CandidateWindow = 1;
}

}  // namespace

// Many completions of each word, the first model word itself a dictionary
// word: 2 + 2 + 1 + 2 items come out, and the list keeps each text once.
FRESH_PROCESS_TEST(SuggestionMerger, AppendsTwoModelWordsAndAtMostFiveCompletions) {
  UseLayout1();
  const std::string converted = Utf8(Converted(kKeys, 1));
  const std::string longConverted = Utf8(Converted(kLongKeys, 1));
  std::vector<std::string> words{kModelWord1};
  for (const std::string& base : {kModelWord1, kModelWord2, converted, longConverted})
    for (const std::string& word : Completions(base)) words.push_back(word);
  WriteDataFile(kWordFile, BuildWordDictionary(words));
  WriteDataFile(kModelFile, ModelFile());
  CCompositionProcessorEngine engine;
  ASSERT_TRUE(EngineDriver::LoadDictionaries(engine));

  const std::vector<std::string> c1 = Completions(kModelWord1), c2 = Completions(kModelWord2),
                                  cc = Completions(converted);
  EXPECT_EQ(Suggestions(kKeys), Utf16All({kModelWord1, kModelWord2, kModelWord1, c1[0], c2[0],
                                          cc[0], cc[1]}));
  EXPECT_EQ(Candidates(engine, kKeys),
            Utf16All({converted, Utf8(kKeys), kModelWord1, kModelWord2, c1[0], c2[0], cc[0], cc[1]}));

  // The model reads lower-cased keys; the converted text is the capitals' own.
  Texts upper = Candidates(engine, u"KOTHA");
  ASSERT_GE(upper.size(), 4u);
  EXPECT_EQ(upper[2], Utf16(kModelWord1));
  EXPECT_EQ(upper[3], Utf16(kModelWord2));

  // Keys beyond the gate give no model words; the converted text is still completed.
  const std::vector<std::string> cl = Completions(longConverted);
  EXPECT_EQ(Suggestions(kLongKeys), Utf16All({cl[0], cl[1]}));

  // A remembered choice brings the plain dictionary search, once for layout
  // 1, and moves to the front.
  engine.StoreUserChoice(kKeys, Utf16(kModelWord2));
  EXPECT_EQ(Candidates(engine, kKeys),
            Utf16All({kModelWord2, converted, Utf8(kKeys), kModelWord1, c1[0], c2[0], cc[0], cc[1],
                      cc[2]}));
}

// The model Ready and the word dictionary still loading, then failed: only
// the model words, and no error.
FRESH_PROCESS_TEST(SuggestionMerger, WithoutTheWordDictionaryOnlyModelWordsCome) {
  UseLayout1();
  MakeDataFifo(kWordFile);
  WriteDataFile(kModelFile, ModelFile());
  CCompositionProcessorEngine engine;
  ASSERT_TRUE(engine.StartDictionaryThread());
  ASSERT_TRUE(WaitForState(LanguageModelState, LoadState::Ready));
  EXPECT_EQ(ReadLoadState(WordDictionaryState), LoadState::Loading);
  const Texts modelWords = Utf16All({kModelWord1, kModelWord2});
  EXPECT_EQ(Suggestions(kKeys), modelWords);
  EXPECT_TRUE(Suggestions(kLongKeys).empty());

  FeedDataFifo(kWordFile, "LutemWordDict");  // shorter than the header
  ASSERT_TRUE(WaitForState(WordDictionaryState, LoadState::Failed));
  EXPECT_EQ(Suggestions(kKeys), modelWords);
  Texts expected{Converted(kKeys, 1), kKeys};
  expected.insert(expected.end(), modelWords.begin(), modelWords.end());
  EXPECT_EQ(Candidates(engine, kKeys), expected);
  EXPECT_TRUE(WaitUntilModuleFree());
}

// Converted texts at the searches' length bounds (the longest word has 10
// bytes): a text as long as the longest word still begins it, one unit more
// begins nothing; the near-word fallback still reaches it from 3 bytes
// longer, and not from 4. "#" converts to itself in layouts 1 and 2.
FRESH_PROCESS_TEST(SuggestionMerger, SearchesReachWordsAtTheirLengthBounds) {
  UseLayout1();
  const std::string word(10, '#');
  WriteDataFile(kWordFile, BuildWordDictionary({word}));
  WriteDataFile(kModelFile, ModelFile());
  CCompositionProcessorEngine engine;
  ASSERT_TRUE(EngineDriver::LoadDictionaries(engine));
  auto hashes = [](size_t count) { return std::u16string(count, u'#'); };
  ASSERT_EQ(Converted(hashes(11), 1), hashes(11));
  EXPECT_EQ(Suggestions(hashes(10)), Texts{Utf16(word)});
  EXPECT_TRUE(Suggestions(hashes(11)).empty());

  CurrentLayout = 2;
  ASSERT_EQ(Converted(hashes(14), 2), hashes(14));
  EXPECT_EQ(Candidates(engine, hashes(13)), (Texts{hashes(13), Utf16(word)}));
  EXPECT_EQ(Candidates(engine, hashes(14)), Texts{hashes(14)});
}
