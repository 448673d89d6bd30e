// The engine's set-up for a keyboard profile on a thread manager, first and
// again: each of its TSF pieces exists once. The thread manager is the
// stand-in's, so these run here only.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "host/FailureSwitch.h"
#include "host/msctf/LanguageBar.h"
#include "host/msctf/LiveSinks.h"
#include "host/msctf/PreservedKeys.h"
#include "host/msctf/TsfApplication.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "support/TempSystemRoot.h"

namespace {

const GUID kProfile = {0xeb54eec8, 0x2667, 0x4e41, {0xa6, 0x1d, 0xce, 0xd3, 0xbc, 0x82, 0x27, 0x71}};
const GUID kOtherProfile = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};

class EngineProfileTest : public ::testing::Test {
 protected:
  void TearDown() override { host::ClearFailures(); }

  void ExpectOneOfEach(const CCompositionProcessorEngine& engine) {
    EXPECT_EQ(engine.compositionKeys.Count(), CCompositionProcessorEngine::kBuiltInKeystrokes);
    ASSERT_EQ(engine.candidateLabels.Count(), 7u);
    for (unsigned long label = 1; label <= 7; ++label)
      EXPECT_EQ(*engine.candidateLabels.GetAt(label - 1), label);
    EXPECT_EQ(engine.candidateListWidth, 13u);
    EXPECT_EQ(host::PreservedKeys().size(), 2u);
    EXPECT_EQ(host::LangBarItems().size(), 1u);
    EXPECT_EQ(host::LiveSinks().size(), 3u) << "the button's watch and the engine's two sinks";
    EXPECT_EQ(engine.dictionaryThreads.size(), 1u);
  }

  TempSystemRoot root_;
  host::TsfApplication app_;
};

TEST_F(EngineProfileTest, ASecondSetUpReplacesTheFirst) {
  CCompositionProcessorEngine engine;
  TfClientId clientId = app_.clientId();
  ASSERT_TRUE(engine.InitForProfile(0x0845, kProfile, app_.threadMgr(), clientId, FALSE));
  EXPECT_EQ(engine.langId, 0x0845);
  EXPECT_EQ(engine.profileGuid, kProfile);
  EXPECT_EQ(engine.clientId, clientId);
  ExpectOneOfEach(engine);

  ASSERT_TRUE(engine.InitForProfile(0x0445, kOtherProfile, app_.threadMgr(), clientId, FALSE));
  EXPECT_EQ(engine.langId, 0x0445);
  EXPECT_EQ(engine.profileGuid, kOtherProfile);
  ExpectOneOfEach(engine);
}

TEST_F(EngineProfileTest, NothingToSetUpWithoutAClientOrAThreadManager) {
  CCompositionProcessorEngine engine;
  EXPECT_FALSE(engine.InitForProfile(0x0845, kProfile, nullptr, 0, FALSE));
  EXPECT_EQ(engine.langId, 0xFFFF);
  EXPECT_EQ(engine.compositionKeys.Count(), 0u);
  EXPECT_TRUE(engine.dictionaryThreads.empty());
  EXPECT_TRUE(host::PreservedKeys().empty());
}

TEST_F(EngineProfileTest, TheEngineTakesItsPiecesWithItWhenItGoes) {
  {
    CCompositionProcessorEngine engine;
    ASSERT_TRUE(engine.InitForProfile(0x0845, kProfile, app_.threadMgr(), app_.clientId(), FALSE));
  }
  EXPECT_TRUE(host::PreservedKeys().empty());
  EXPECT_TRUE(host::LangBarItems().empty());
  EXPECT_TRUE(host::LiveSinks().empty());
}

}  // namespace

#endif  // _WIN32
