#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "conversion/ConversionDispatcher.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/engine/EngineDriver.h"
#include "service/module/DllObjectCount.h"
#include "service/EngineTestAccess.h"
#include "service/settings/ProcessSettings.h"
#include "suggest/FakeDictionaryEngine.h"

namespace {

class EngineTest : public ::testing::Test {
 protected:
  void TearDown() override {
    CurrentLayout = savedLayout_;
    CurrentEncoding = savedEncoding_;
  }

 private:
  int32_t savedLayout_ = CurrentLayout;
  int32_t savedEncoding_ = CurrentEncoding;
};

bool HasKey(const CCompositionProcessorEngine& engine, UINT vk, UINT modifiers) {
  for (const _KEYSTROKE& k : engine.keystrokeTable)
    if (k.virtualKey == vk && k.modifiers == modifiers) return true;
  return false;
}

TEST_F(EngineTest, StartsEmpty) {
  CCompositionProcessorEngine engine;
  EXPECT_EQ(engine.convertedText, nullptr);
  EXPECT_EQ(engine.keyBuffer.length, 0u);
  EXPECT_EQ(engine.keyBuffer.text, nullptr);
  EXPECT_EQ(engine.dictionaryEngine.load(), nullptr);
  EXPECT_EQ(engine.langId, 0xFFFF);
  EXPECT_EQ(engine.profileGuid, GUID_NULL);
  EXPECT_EQ(engine.clientId, 0u);
  EXPECT_EQ(engine.compositionKeys.Count(), 0u);
  EXPECT_EQ(engine.candidateLabels.Count(), 0u);
  EXPECT_EQ(engine.candidateListWidth, 13u);
  EXPECT_EQ(engine.openCloseHotkey.guid, GUID_NULL);
  EXPECT_EQ(engine.openCloseHotkey.description, nullptr);
  EXPECT_EQ(engine.languageBarButton, nullptr);
  EXPECT_EQ(engine.conversionModeCompartment, nullptr);
  EXPECT_TRUE(engine.dictionaryThreads.empty());
  EXPECT_FALSE(engine.FindUserChoice(u"ami").has_value());
}

TEST_F(EngineTest, KeystrokeTableHoldsTheComposingKeys) {
  CCompositionProcessorEngine engine;
  const _KEYSTROKE* table = engine.keystrokeTable;
  size_t rows = 0;
  while (rows < CCompositionProcessorEngine::kKeystrokeSlots && table[rows].virtualKey != 0) {
    EXPECT_EQ(table[rows].function, 1u) << rows;
    ++rows;
  }
  EXPECT_EQ(rows, 92u);
  for (size_t i = rows; i < CCompositionProcessorEngine::kKeystrokeSlots; ++i) {
    EXPECT_EQ(table[i].modifiers, 0u);
    EXPECT_EQ(table[i].function, 0u);
  }
  EXPECT_EQ(table[0].virtualKey, UINT{VK_OEM_3});
  EXPECT_EQ(table[1].modifiers, UINT{TF_MOD_SHIFT});
  EXPECT_EQ(table[91].virtualKey, UINT{VK_OEM_2});
  EXPECT_EQ(table[91].modifiers, UINT{TF_MOD_SHIFT});

  EXPECT_FALSE(HasKey(engine, '2', TF_MOD_SHIFT));
  EXPECT_FALSE(HasKey(engine, '3', TF_MOD_SHIFT));
  for (UINT vk : {'1', '4', '5', '6', '7', '8', '9', '0'})
    EXPECT_TRUE(HasKey(engine, vk, TF_MOD_SHIFT)) << vk;
  for (UINT vk = '0'; vk <= '9'; ++vk) EXPECT_TRUE(HasKey(engine, vk, 0)) << vk;
  for (UINT vk = 'A'; vk <= 'Z'; ++vk) {
    EXPECT_TRUE(HasKey(engine, vk, 0)) << vk;
    EXPECT_TRUE(HasKey(engine, vk, TF_MOD_SHIFT)) << vk;
  }
}

std::u16string Converted(CCompositionProcessorEngine& engine, std::u16string_view keys) {
  WCHAR* out = engine.ConvertKeystrokes({keys.size(), AsWchar(keys.data())});
  EXPECT_NE(out, nullptr);
  std::u16string text = out == nullptr ? u"" : AsChar16(out);
  delete[] out;
  return text;
}

// Where a road exists the result is the dispatcher's; where this build lacks
// it (or a rule fails) the keys come back as typed, without the Shift marker.
TEST_F(EngineTest, ConvertKeystrokesNeverThrowsAndShowsTheKeysWhereNoRoadExists) {
  CCompositionProcessorEngine engine;
  ConversionDispatcher reference;
  const std::u16string keyBuffers[] = {u"ami", u"KA", u"#", u"\uF8FEami", u"123"};
  for (int encoding : {0, 1, 2}) {
    for (int layout = -1; layout <= 9; ++layout) {
      for (const std::u16string& keys : keyBuffers) {
        SCOPED_TRACE(testing::Message() << "layout " << layout << " encoding " << encoding);
        CurrentLayout = layout;
        CurrentEncoding = encoding;
        EXPECT_EQ(Converted(engine, keys), reference.Convert(keys, layout, encoding));
      }
    }
  }
}

TEST_F(EngineTest, ConvertKeystrokesReadsTheLayoutAtEachCall) {
  CCompositionProcessorEngine engine;
  ConversionDispatcher reference;
  CurrentEncoding = 0;
  for (int layout : {1, 3, 0}) {
    CurrentLayout = layout;
    EXPECT_EQ(Converted(engine, u"rri"), reference.Convert(u"rri", layout, 0)) << layout;
  }
  CurrentLayout = 1;
  EXPECT_EQ(Converted(engine, u"#"), u"#");
  WCHAR* empty = engine.ConvertKeystrokes({0, nullptr});
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty[0], 0);
  delete[] empty;
}

TEST_F(EngineTest, AFreshEngineBuildsListsWithoutDictionaries) {
  CurrentLayout = 1;
  CurrentEncoding = 0;
  CCompositionProcessorEngine engine;
  LutemIMEArray<CCandidateListItem> list;
  EngineDriver::Type(engine, u"ami", &list);
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.GetAt(0)->View(), std::u16string_view(AsChar16(engine.convertedText)));
  EXPECT_EQ(list.GetAt(1)->View(), u"ami");
}

// What a test can read after the engine goes mid-composition: the
// dictionary engine it held is deleted, and the module's object count is
// where it was, so the module can still unload. Its key buffer and
// converted text are checked for leaks by the sanitizer build.
TEST_F(EngineTest, DestructionMidCompositionFreesItsDictionariesAndLeavesTheModule) {
  const int destroyedBefore = FakeDictionaryEngine::destroyed;
  const LONG countBefore = DllObjectCount;
  auto* engine = new CCompositionProcessorEngine;
  engine->dictionaryEngine.store(new FakeDictionaryEngine({u"w"}));
  CCompositionProcessorEngineAccess::Compose(*engine, u"ami", AsWchar(u"x"));
  engine->StoreUserChoice(u"ami", u"x");
  ASSERT_EQ(engine->FindUserChoice(u"ami"), std::optional<std::u16string>(u"x"));
  delete engine;
  EXPECT_EQ(FakeDictionaryEngine::destroyed, destroyedBefore + 1);
  EXPECT_EQ(DllObjectCount, countBefore);
  EXPECT_EQ(ModuleInUse(), countBefore >= 0);
}

DWORD WINAPI SlowDictionaryThread(LPVOID parameter) {
  auto* engine = static_cast<CCompositionProcessorEngine*>(parameter);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  engine->dictionaryEngine.store(new FakeDictionaryEngine({u"w"}));
  engine->StoreUserChoice(u"ami", u"w");
  return 0;
}

TEST_F(EngineTest, DestructionWaitsForTheDictionaryThreadAndDeletesItsEngine) {
  const int destroyedBefore = FakeDictionaryEngine::destroyed;
  auto* engine = new CCompositionProcessorEngine;
  HANDLE thread = CreateThread(nullptr, 0, SlowDictionaryThread, engine, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  engine->dictionaryThreads.push_back(thread);
  delete engine;
  EXPECT_EQ(FakeDictionaryEngine::destroyed, destroyedBefore + 1);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_FAILED);  // the handle was closed
}

// A second dictionary thread replaces the dictionary engine while a list
// build may still be searching the old one: the old one lives as long as
// the engine.
TEST_F(EngineTest, AReplacedDictionaryEngineLivesUntilTheEngineGoes) {
  const int destroyedBefore = FakeDictionaryEngine::destroyed;
  {
    CCompositionProcessorEngine engine;
    auto* first = new FakeDictionaryEngine({u"a"});
    engine.ReplaceDictionaryEngine(first);
    engine.ReplaceDictionaryEngine(new FakeDictionaryEngine({u"b"}));
    engine.ReplaceDictionaryEngine(nullptr);
    EXPECT_EQ(engine.dictionaryEngine.load(), nullptr);
    EXPECT_EQ(FakeDictionaryEngine::destroyed, destroyedBefore);
    LutemIMEArray<CCandidateListItem> list;
    first->CollectWordsForPrefix(AsWchar(u"x"), &list, 7);  // still a live object
    EXPECT_EQ(list.Count(), 1u);
  }
  EXPECT_EQ(FakeDictionaryEngine::destroyed, destroyedBefore + 2);
}

}  // namespace
