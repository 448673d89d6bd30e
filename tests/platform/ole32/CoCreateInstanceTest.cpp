#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "support/TempSystemRoot.h"

namespace {

const CLSID kClass = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};
const char16_t kClassKey[] = u"CLSID\\{11111111-2222-3333-4444-555555555555}\\InProcServer32";

class CoCreateInstanceTest : public ::testing::Test {
 protected:
  void TearDown() override { host::ClearFailures(); }

  void RegisterServer(const std::u16string& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, kClassKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * 2));
    RegCloseKey(key);
  }

  TempSystemRoot root_;
};

TEST_F(CoCreateInstanceTest, InProcessServersAreFoundThroughTheirClassKey) {
  IUnknown* object = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);

  RegisterServer(u"/no/such/server.so");
  EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            CO_E_DLLNOTFOUND);

  // A module that loads but serves no classes.
  std::string testModule = LUTEM_TEST_MODULE;
  RegisterServer(std::u16string(testModule.begin(), testModule.end()));
  EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            CO_E_ERRORINDLL);
  EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr),
            E_POINTER);
  CoFreeUnusedLibraries();  // the module has no DllCanUnloadNow, so COM keeps it
}

TEST_F(CoCreateInstanceTest, SystemClassesAndTheirFailureSwitches) {
  ITfCategoryMgr* categories = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_TF_CategoryMgr, nullptr, CLSCTX_INPROC_SERVER,
                             IID_ITfCategoryMgr, reinterpret_cast<void**>(&categories)),
            S_OK);
  categories->Release();

  host::FailCall("CoCreateInstance:CLSID_TF_CategoryMgr");
  EXPECT_EQ(CoCreateInstance(CLSID_TF_CategoryMgr, nullptr, CLSCTX_INPROC_SERVER,
                             IID_ITfCategoryMgr, reinterpret_cast<void**>(&categories)),
            E_OUTOFMEMORY);
  EXPECT_EQ(categories, nullptr);
  // The switch of one class leaves the others alone.
  host::FailCall("CoCreateInstance:CLSID_TF_CategoryMgr");
  ITfInputProcessorProfiles* profiles = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_TF_InputProcessorProfiles, nullptr, CLSCTX_INPROC_SERVER,
                             IID_ITfInputProcessorProfiles, reinterpret_cast<void**>(&profiles)),
            S_OK);
  // One object answers both profile interfaces.
  ITfInputProcessorProfileMgr* manager = nullptr;
  ASSERT_EQ(
      profiles->QueryInterface(IID_ITfInputProcessorProfileMgr, reinterpret_cast<void**>(&manager)),
      S_OK);
  IUnknown* identity = nullptr;
  ASSERT_EQ(manager->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  EXPECT_EQ(identity, static_cast<IUnknown*>(profiles));
  identity->Release();
  host::ClearFailures();
  IUnknown* inner = nullptr;
  EXPECT_EQ(CoCreateInstance(CLSID_TF_CategoryMgr, profiles, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&inner)),
            CLASS_E_NOAGGREGATION);
  manager->Release();
  profiles->Release();
}

}  // namespace
