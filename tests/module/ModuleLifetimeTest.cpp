// The module's load and unload in one process, as a host that loads and
// frees it again sees them.
#include <gtest/gtest.h>

#include <string>

#include "LoadedModule.h"
#include "host/FailureSwitch.h"
#include "service/module/TextServiceGuids.h"
#include "support/TempSystemRoot.h"

namespace {

const char16_t kWindowClass[] = u"LutemIME.CandidateWindow";

class ModuleLifetimeTest : public ::testing::Test {
 protected:
  void TearDown() override { host::ClearFailures(); }

  TempSystemRoot root_;
};

TEST_F(ModuleLifetimeTest, LoadUnloadAndLoadAgainEachWithItsWindowClass) {
  for (int round = 0; round < 2; ++round) {
    LoadedModule module;
    ASSERT_TRUE(module.loaded()) << "round " << round << ", error " << GetLastError();
    WNDCLASSW windowClass = {};
    ASSERT_TRUE(GetClassInfoW(module.handle(), kWindowClass, &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_IME | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(windowClass.hCursor, LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass.hbrBackground, GetStockObject(LTGRAY_BRUSH));
    EXPECT_EQ(windowClass.hIcon, nullptr);
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(module.GetClassObject(CLSID_TextService, IID_IClassFactory,
                                    reinterpret_cast<void**>(&factory)),
              S_OK);
    factory->Release();
    HINSTANCE instance = module.handle();
    ASSERT_TRUE(module.Unload());
    // The module takes its class with it; left behind, it would point into
    // the unloaded image and refuse the next load's registration.
    EXPECT_FALSE(GetClassInfoW(instance, kWindowClass, &windowClass));
  }
}

TEST_F(ModuleLifetimeTest, AnAttachThatCannotSetUpRefusesTheLoad) {
  for (const char* call : {"InitializeCriticalSectionAndSpinCount", "RegisterClassW"}) {
    host::FailCall(call);
    LoadedModule refused;
    EXPECT_FALSE(refused.loaded()) << call;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED)) << call;
    LoadedModule next;
    EXPECT_TRUE(next.loaded()) << "after " << call;
  }
}

TEST_F(ModuleLifetimeTest, CarriesItsVersionResource) {
  LoadedModule module;
  HRSRC version = FindResourceW(module.handle(), MAKEINTRESOURCEW(1), RT_VERSION);
  ASSERT_NE(version, nullptr);
  DWORD size = SizeofResource(module.handle(), version);
  auto* bytes = static_cast<const char16_t*>(LockResource(LoadResource(module.handle(), version)));
  ASSERT_NE(bytes, nullptr);
  std::u16string text(bytes, size / 2);
  EXPECT_EQ(text.substr(3, 15), std::u16string(u"VS_VERSION_INFO", 15));
  EXPECT_NE(text.find(u"Lutem Keyboard"), std::u16string::npos);
  EXPECT_NE(text.find(u"LutemIME.dll"), std::u16string::npos);
}

}  // namespace
