// DllRegisterServer and DllUnregisterServer as regsvr32 calls them, read
// back from the stand-in's registry and TSF.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "LoadedModule.h"
#include "host/FailureSwitch.h"
#include "host/msctf/Profiles.h"
#include "service/module/TextServiceGuids.h"
#include "service/module/TipCategoryList.h"
#include "support/TempSystemRoot.h"

namespace {

const char16_t kClassKey[] = u"CLSID\\{DA57B8A4-6DDE-42D9-843E-F97CE3F5A823}";
const char16_t kTipKey[] = u"SOFTWARE\\Microsoft\\CTF\\TIP\\{DA57B8A4-6DDE-42D9-843E-F97CE3F5A823}";

struct Value {
  std::u16string name;
  DWORD type;
  std::vector<BYTE> data;
};

std::vector<BYTE> TextBytes(const std::u16string& text) {
  std::vector<BYTE> bytes((text.size() + 1) * 2, 0);
  std::memcpy(bytes.data(), text.data(), text.size() * 2);
  return bytes;
}

class RegistrationTest : public ::testing::Test {
 protected:
  void TearDown() override {
    host::ClearFailures();
    host::SetProfileManagerRegistration(true);
  }

  bool KeyExists(HKEY root, const std::u16string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyW(root, path.c_str(), &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  std::vector<std::u16string> Subkeys(const std::u16string& path) {
    std::vector<std::u16string> names;
    HKEY key = nullptr;
    if (RegOpenKeyW(HKEY_CLASSES_ROOT, path.c_str(), &key) != ERROR_SUCCESS) return names;
    WCHAR name[256];
    DWORD length = 256;
    for (DWORD i = 0;
         RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = 256)
      names.emplace_back(name, length);
    RegCloseKey(key);
    return names;
  }

  std::vector<Value> Values(const std::u16string& path) {
    std::vector<Value> values;
    HKEY key = nullptr;
    if (RegOpenKeyW(HKEY_CLASSES_ROOT, path.c_str(), &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
      WCHAR name[64];
      DWORD nameLength = 64, type = 0, size = 2048;
      std::vector<BYTE> data(size);
      if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size) !=
          ERROR_SUCCESS)
        break;
      data.resize(size);
      values.push_back({std::u16string(name, nameLength), type, data});
    }
    RegCloseKey(key);
    return values;
  }

  // Nothing of the text service is left: no class key, no profile, no
  // category.
  void ExpectNothingRegistered() {
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTipKey));
    EXPECT_TRUE(host::RegisteredProfiles().empty());
  }

  TempSystemRoot root_;
};

TEST_F(RegistrationTest, WritesTheClassTheProfileAndTheEightCategories) {
  LoadedModule module;
  ASSERT_EQ(module.RegisterServer(), S_OK);

  std::u16string modulePath = LoadedModule::Wide(LUTEM_MODULE);
  std::vector<Value> classValues = Values(kClassKey);
  ASSERT_EQ(classValues.size(), 1u);
  EXPECT_EQ(classValues[0].name, u"");
  EXPECT_EQ(classValues[0].type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(classValues[0].data, TextBytes(u"Lutem Keyboard"));
  EXPECT_EQ(classValues[0].data.size(), 30u);
  EXPECT_EQ(Subkeys(kClassKey), std::vector<std::u16string>{u"InProcServer32"});
  std::u16string serverKey = std::u16string(kClassKey) + u"\\InProcServer32";
  EXPECT_TRUE(Subkeys(serverKey).empty());
  std::vector<Value> serverValues = Values(serverKey);
  ASSERT_EQ(serverValues.size(), 2u);
  EXPECT_EQ(serverValues[0].name, u"");
  EXPECT_EQ(serverValues[0].type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(serverValues[0].data, TextBytes(modulePath));
  EXPECT_EQ(serverValues[1].name, u"ThreadingModel");
  EXPECT_EQ(serverValues[1].type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(serverValues[1].data, TextBytes(u"Apartment"));
  EXPECT_EQ(serverValues[1].data.size(), 20u);

  std::vector<host::RegisteredProfile> profiles = host::RegisteredProfiles();
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_TRUE(IsEqualCLSID(profiles[0].clsid, CLSID_TextService));
  EXPECT_EQ(profiles[0].langid, 0x0845);
  EXPECT_TRUE(IsEqualGUID(profiles[0].profile, GUID_KeyboardProfile));
  EXPECT_EQ(profiles[0].description, u"Lutem Keyboard");
  EXPECT_EQ(profiles[0].iconFile, modulePath);
  EXPECT_EQ(profiles[0].iconIndex, 0u);
  EXPECT_TRUE(profiles[0].enabled);

  auto key = [](const GUID& guid) { return std::string(reinterpret_cast<const char*>(&guid), 16); };
  std::set<std::string> registered, expected;
  for (const GUID& category : host::RegisteredCategories(CLSID_TextService))
    registered.insert(key(category));
  for (const GUID& category : TipCategoryList) expected.insert(key(category));
  EXPECT_EQ(registered, expected);
  EXPECT_EQ(registered.size(), 8u);

  // Registering again changes nothing.
  ASSERT_EQ(module.RegisterServer(), S_OK);
  EXPECT_EQ(Values(serverKey).size(), 2u);
  EXPECT_EQ(host::RegisteredProfiles().size(), 1u);
}

TEST_F(RegistrationTest, UnregisteringRemovesEverythingAndNeedsNothingRegistered) {
  LoadedModule module;
  EXPECT_EQ(module.UnregisterServer(), S_OK);
  ExpectNothingRegistered();
  ASSERT_EQ(module.RegisterServer(), S_OK);
  EXPECT_EQ(module.UnregisterServer(), S_OK);
  ExpectNothingRegistered();
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, u"CLSID")) << "only the text service's own key goes";
}

// A step that fails undoes the others: TSF never finds a text service that
// is half there. Categories 1 to 7 count as much as the last one.
TEST_F(RegistrationTest, AFailureAtAnyStepLeavesNothingAndGivesEFail) {
  struct Step {
    const char* call;
    int nth;
  } steps[] = {
      {"GetModuleFileNameW", 1},
      {"RegCreateKeyExW", 1},
      {"RegSetValueExW", 1},
      {"RegCreateKeyExW", 2},
      {"RegSetValueExW", 2},
      {"RegSetValueExW", 3},
      {"CoCreateInstance:CLSID_TF_InputProcessorProfiles", 1},
      {"ITfInputProcessorProfileMgr::RegisterProfile", 1},
      {"CoCreateInstance:CLSID_TF_CategoryMgr", 1},
      {"ITfCategoryMgr::RegisterCategory", 1},
      {"ITfCategoryMgr::RegisterCategory", 4},
      {"ITfCategoryMgr::RegisterCategory", 7},
      {"ITfCategoryMgr::RegisterCategory", 8},
  };
  LoadedModule module;
  for (const Step& step : steps) {
    host::ClearFailures();
    host::FailCall(step.call, step.nth);
    EXPECT_EQ(module.RegisterServer(), E_FAIL) << step.call << " #" << step.nth;
    EXPECT_GE(host::CallCount(step.call), step.nth) << step.call << " was never reached";
    ExpectNothingRegistered();
  }
  host::ClearFailures();
  EXPECT_EQ(module.RegisterServer(), S_OK);
}

// A TSF whose profile manager cannot register profiles (before Windows
// Vista, or Wine's) still gets the profile, through the older interface.
TEST_F(RegistrationTest, RegistersTheProfileTheOlderWayWhereTheManagerCannot) {
  host::SetProfileManagerRegistration(false);
  LoadedModule module;
  EXPECT_EQ(module.RegisterServer(), S_OK);
  std::vector<host::RegisteredProfile> profiles = host::RegisteredProfiles();
  ASSERT_EQ(profiles.size(), 1u);
  EXPECT_TRUE(IsEqualGUID(profiles[0].profile, GUID_KeyboardProfile));
  EXPECT_EQ(profiles[0].description, u"Lutem Keyboard");
  EXPECT_EQ(profiles[0].iconFile, LoadedModule::Wide(LUTEM_MODULE));
  EXPECT_TRUE(profiles[0].enabled);
  EXPECT_EQ(host::RegisteredCategories(CLSID_TextService).size(), 8u);
  EXPECT_EQ(module.UnregisterServer(), S_OK);
  ExpectNothingRegistered();
}

// A copy of the module in a folder whose path has the given length.
class ModuleCopy {
 public:
  explicit ModuleCopy(size_t pathLength) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/lutem-path-XXXXXX";
    base_ = mkdtemp(pattern);
    const std::string file = "/LutemIME.so";
    std::string folder = base_;
    while (folder.size() + file.size() < pathLength) {
      size_t room = pathLength - file.size() - folder.size() - 1;
      folder += "/" + std::string(std::min<size_t>(room == 0 ? 1 : room, 100), 'd');
    }
    fs::create_directories(folder);
    path_ = folder + file;
    fs::copy_file(LUTEM_MODULE, path_);
  }
  ~ModuleCopy() { std::filesystem::remove_all(base_); }
  const std::string& path() const { return path_; }

 private:
  std::string base_;
  std::string path_;
};

TEST_F(RegistrationTest, AModulePathThatDoesNotFitIsNotWrittenCutOff) {
  ModuleCopy fits(259);
  ASSERT_EQ(fits.path().size(), 259u);
  {
    LoadedModule module(fits.path());
    ASSERT_TRUE(module.loaded());
    ASSERT_EQ(module.RegisterServer(), S_OK);
    std::vector<Value> values = Values(std::u16string(kClassKey) + u"\\InProcServer32");
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values[0].data, TextBytes(LoadedModule::Wide(fits.path())));
    ASSERT_EQ(module.UnregisterServer(), S_OK);
  }
  ModuleCopy tooLong(260);
  ASSERT_EQ(tooLong.path().size(), 260u);
  LoadedModule module(tooLong.path());
  ASSERT_TRUE(module.loaded());
  EXPECT_EQ(module.RegisterServer(), E_FAIL);
  ExpectNothingRegistered();
}

// COM finds the registered module through its class key, as TSF will.
TEST_F(RegistrationTest, ComReachesTheRegisteredModulesFactory) {
  {
    LoadedModule module;
    ASSERT_EQ(module.RegisterServer(), S_OK);
  }
  IUnknown* object = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_TextService, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                             reinterpret_cast<void**>(&object)),
            S_OK);
  ASSERT_NE(object, nullptr);
  std::u16string path = LoadedModule::Wide(LUTEM_MODULE);
  CoFreeUnusedLibraries();
  EXPECT_NE(GetModuleHandleW(path.c_str()), nullptr) << "the text service holds it";
  object->Release();
  EXPECT_NE(GetModuleHandleW(path.c_str()), nullptr) << "COM keeps its servers loaded";
  CoFreeUnusedLibraries();
  EXPECT_EQ(GetModuleHandleW(path.c_str()), nullptr) << "until they can unload";
}

}  // namespace
