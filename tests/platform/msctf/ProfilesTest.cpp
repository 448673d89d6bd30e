#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/msctf/Profiles.h"
#include "support/TempSystemRoot.h"

namespace {

const CLSID kService = {0xAAAAAAAA, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
const GUID kProfile = {0xBBBBBBBB, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
const GUID kOtherProfile = {0xCCCCCCCC, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
const LANGID kBengali = 0x0845;

class ProfilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CoCreateInstance(CLSID_TF_InputProcessorProfiles, nullptr, CLSCTX_INPROC_SERVER,
                               IID_ITfInputProcessorProfiles, reinterpret_cast<void**>(&profiles)),
              S_OK);
    ASSERT_EQ(profiles->QueryInterface(IID_ITfInputProcessorProfileMgr,
                                       reinterpret_cast<void**>(&manager)),
              S_OK);
    ASSERT_EQ(CoCreateInstance(CLSID_TF_CategoryMgr, nullptr, CLSCTX_INPROC_SERVER,
                               IID_ITfCategoryMgr, reinterpret_cast<void**>(&categories)),
              S_OK);
  }
  void TearDown() override {
    categories->Release();
    manager->Release();
    profiles->Release();
    host::ClearFailures();
    host::ClearDefaultProfiles();
    host::SetCurrentLanguage(kBengali);
  }

  HRESULT Register(REFGUID profile, BOOL enabled = TRUE) {
    return manager->RegisterProfile(kService, kBengali, profile, u"Test", 4, u"C:\\icon.dll", 11, 2,
                                    nullptr, 0, enabled, 0);
  }

  bool KeyExists(const char16_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyW(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  TempSystemRoot root_;
  ITfInputProcessorProfiles* profiles = nullptr;
  ITfInputProcessorProfileMgr* manager = nullptr;
  ITfCategoryMgr* categories = nullptr;
};

TEST_F(ProfilesTest, RegistrationIsKeptInTheRegistryAsTsfKeepsIt) {
  ASSERT_EQ(Register(kProfile), S_OK);
  ASSERT_EQ(categories->RegisterCategory(kService, GUID_TFCAT_TIP_KEYBOARD, kService), S_OK);
  const char16_t kTip[] = u"SOFTWARE\\Microsoft\\CTF\\TIP\\{AAAAAAAA-0001-0002-0304-05060708090A}";
  HKEY profileKey = nullptr;
  ASSERT_EQ(RegOpenKeyW(HKEY_LOCAL_MACHINE,
                        (std::u16string(kTip) +
                         u"\\LanguageProfile\\0x00000845\\{BBBBBBBB-0001-0002-0304-05060708090A}")
                            .c_str(),
                        &profileKey),
            ERROR_SUCCESS);
  WCHAR text[32];
  DWORD size = sizeof(text), type = 0;
  ASSERT_EQ(RegQueryValueExW(profileKey, u"Description", nullptr, &type,
                             reinterpret_cast<BYTE*>(text), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::u16string(text), u"Test");
  RegCloseKey(profileKey);
  EXPECT_TRUE(KeyExists((std::u16string(kTip) +
                         u"\\Category\\Category\\{34745C63-B2F0-4784-8B67-5E12C8701A31}"
                         u"\\{AAAAAAAA-0001-0002-0304-05060708090A}")
                            .c_str()));
  EXPECT_TRUE(
      KeyExists((std::u16string(kTip) + u"\\Category\\Item\\{AAAAAAAA-0001-0002-0304-05060708090A}"
                                        u"\\{34745C63-B2F0-4784-8B67-5E12C8701A31}")
                    .c_str()));

  std::vector<host::RegisteredProfile> registered = host::RegisteredProfiles();
  ASSERT_EQ(registered.size(), 1u);
  EXPECT_EQ(registered[0].clsid, kService);
  EXPECT_EQ(registered[0].langid, kBengali);
  EXPECT_EQ(registered[0].profile, kProfile);
  EXPECT_EQ(registered[0].iconFile, u"C:\\icon.dll");
  EXPECT_EQ(registered[0].iconIndex, 2u);
  EXPECT_TRUE(registered[0].enabled);

  // Removing both leaves nothing of the text service behind.
  EXPECT_EQ(manager->UnregisterProfile(kService, kBengali, kProfile, 0), S_OK);
  EXPECT_EQ(categories->UnregisterCategory(kService, GUID_TFCAT_TIP_KEYBOARD, kService), S_OK);
  EXPECT_FALSE(KeyExists(kTip));
  EXPECT_TRUE(host::RegisteredProfiles().empty());
}

TEST_F(ProfilesTest, DefaultProfileComesFromTheKeyboardCategoryUnlessTheHostSetsOne) {
  CLSID clsid;
  GUID profile;
  EXPECT_EQ(
      profiles->GetDefaultLanguageProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, &clsid, &profile),
      E_FAIL);
  ASSERT_EQ(Register(kProfile), S_OK);
  // A profile of a text service outside the keyboard category is no keyboard.
  EXPECT_EQ(
      profiles->GetDefaultLanguageProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, &clsid, &profile),
      E_FAIL);
  ASSERT_EQ(categories->RegisterCategory(kService, GUID_TFCAT_TIP_KEYBOARD, kService), S_OK);
  ASSERT_EQ(
      profiles->GetDefaultLanguageProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, &clsid, &profile),
      S_OK);
  EXPECT_EQ(clsid, kService);
  EXPECT_EQ(profile, kProfile);
  EXPECT_EQ(profiles->GetDefaultLanguageProfile(0x0409, GUID_TFCAT_TIP_KEYBOARD, &clsid, &profile),
            E_FAIL);

  host::SetDefaultProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, kService, kOtherProfile);
  ASSERT_EQ(
      profiles->GetDefaultLanguageProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, &clsid, &profile),
      S_OK);
  EXPECT_EQ(profile, kOtherProfile);

  host::FailCall("ITfInputProcessorProfiles::GetDefaultLanguageProfile");
  EXPECT_EQ(
      profiles->GetDefaultLanguageProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, &clsid, &profile),
      E_FAIL);
  EXPECT_EQ(
      profiles->GetDefaultLanguageProfile(kBengali, GUID_TFCAT_TIP_KEYBOARD, nullptr, &profile),
      E_INVALIDARG);
}

TEST_F(ProfilesTest, CurrentLanguageIsBengaliUntilTheHostChangesIt) {
  LANGID language = 0;
  ASSERT_EQ(profiles->GetCurrentLanguage(&language), S_OK);
  EXPECT_EQ(language, kBengali);
  host::SetCurrentLanguage(0x0409);
  ASSERT_EQ(profiles->GetCurrentLanguage(&language), S_OK);
  EXPECT_EQ(language, 0x0409);
  host::FailCall("ITfInputProcessorProfiles::GetCurrentLanguage");
  EXPECT_EQ(profiles->GetCurrentLanguage(&language), E_FAIL);
}

TEST_F(ProfilesTest, GuidAtomsAreStableDistinctAndNeverZero) {
  TfGuidAtom first = 0, again = 0, other = 0;
  ASSERT_EQ(categories->RegisterGUID(kProfile, &first), S_OK);
  ASSERT_EQ(categories->RegisterGUID(kOtherProfile, &other), S_OK);
  ASSERT_EQ(categories->RegisterGUID(kProfile, &again), S_OK);
  EXPECT_NE(first, static_cast<TfGuidAtom>(TF_INVALID_GUIDATOM));
  EXPECT_EQ(first, again);
  EXPECT_NE(first, other);
  GUID guid;
  ASSERT_EQ(categories->GetGUID(other, &guid), S_OK);
  EXPECT_EQ(guid, kOtherProfile);
  BOOL equal = FALSE;
  ASSERT_EQ(categories->IsEqualTfGuidAtom(first, kProfile, &equal), S_OK);
  EXPECT_TRUE(equal);
  EXPECT_EQ(categories->GetGUID(TF_INVALID_GUIDATOM, &guid), E_INVALIDARG);

  host::FailCall("ITfCategoryMgr::RegisterGUID");
  TfGuidAtom failed = 5;
  EXPECT_EQ(categories->RegisterGUID(kProfile, &failed), E_FAIL);
  EXPECT_EQ(failed, static_cast<TfGuidAtom>(TF_INVALID_GUIDATOM));
}

}  // namespace
