#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "platform/kernel32/ImageEvents.h"

namespace {

using image_events::Events;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

const std::u16string kModule = Wide(LUTEM_TEST_MODULE);

typedef int (*AnswerFunction)();

class ModuleLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { image_events::Clear(); }
  void TearDown() override {
    host::ClearFailures();
    unsetenv("LUTEM_TEST_MODULE_REFUSE");
  }
};

TEST_F(ModuleLoaderTest, EntryPointRunsAfterStaticInitialisersAndBeforeStaticDestructors) {
  HMODULE module = LoadLibraryW(kModule.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(Events(), (std::vector<std::string>{"static initialiser", "attach"}));
  ASSERT_TRUE(FreeLibrary(module));
  EXPECT_EQ(Events(), (std::vector<std::string>{"static initialiser", "attach", "detach",
                                              "static destructor"}));
}

TEST_F(ModuleLoaderTest, OneLoadCountPerModuleAndALoadAfterTheUnloadStartsAfresh) {
  HMODULE first = LoadLibraryW(kModule.c_str());
  HMODULE second = LoadLibraryW(kModule.c_str());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Events(), (std::vector<std::string>{"static initialiser", "attach"}));
  ASSERT_TRUE(FreeLibrary(second));
  EXPECT_EQ(Events().size(), 2u) << "still loaded once";
  ASSERT_TRUE(FreeLibrary(first));
  EXPECT_FALSE(FreeLibrary(first));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  image_events::Clear();
  HMODULE again = LoadLibraryW(kModule.c_str());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Events(), (std::vector<std::string>{"static initialiser", "attach"}));
  auto answer = reinterpret_cast<AnswerFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(again, "TestModuleAnswer")));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  FreeLibrary(again);
}

TEST_F(ModuleLoaderTest, RefusedAttachIsDetachedAndFailsTheLoad) {
  setenv("LUTEM_TEST_MODULE_REFUSE", "1", 1);
  EXPECT_EQ(LoadLibraryW(kModule.c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
  EXPECT_EQ(Events(), (std::vector<std::string>{"static initialiser", "attach", "detach",
                                              "static destructor"}));
  EXPECT_EQ(GetModuleHandleW(kModule.c_str()), nullptr);
}

TEST_F(ModuleLoaderTest, LoadFailures) {
  EXPECT_EQ(LoadLibraryW(u"/no/such/module.so"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryW(u"no-such-module.so"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  // A file that is no image.
  std::string notImage = std::filesystem::temp_directory_path() / "lutem-not-an-image.so";
  FILE* file = std::fopen(notImage.c_str(), "w");
  std::fputs("text", file);
  std::fclose(file);
  EXPECT_EQ(LoadLibraryW(Wide(notImage).c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
  std::remove(notImage.c_str());

  host::FailCall("LoadLibraryW:lutem_test_module.so");
  EXPECT_EQ(LoadLibraryW(kModule.c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_TRUE(Events().empty());
}

TEST_F(ModuleLoaderTest, GetProcAddressFindsOnlyTheModulesOwnNames) {
  HMODULE module = LoadLibraryW(kModule.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_NE(GetProcAddress(module, "TestModuleAnswer"), nullptr);
  // The module uses these from its libraries; Windows would not find them.
  EXPECT_EQ(GetProcAddress(module, "getenv"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  EXPECT_EQ(GetProcAddress(module, "RegisterModuleEntryPoint"), nullptr);
  EXPECT_EQ(GetProcAddress(module, reinterpret_cast<LPCSTR>(1)), nullptr);
  FreeLibrary(module);
}

TEST_F(ModuleLoaderTest, FileNameAndHandleOfAModule) {
  HMODULE module = LoadLibraryW(kModule.c_str());
  ASSERT_NE(module, nullptr);
  WCHAR path[4096];
  DWORD length = GetModuleFileNameW(module, path, 4096);
  EXPECT_EQ(std::u16string(path, length), kModule);
  EXPECT_EQ(GetModuleHandleW(kModule.c_str()), module);
  EXPECT_EQ(GetModuleHandleW(u"LUTEM_TEST_MODULE.SO"), module);

  // Too small a buffer: cut, NUL-terminated, the buffer's size and an error.
  WCHAR small[8];
  SetLastError(0);
  EXPECT_EQ(GetModuleFileNameW(module, small, 8), 8u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::u16string(small), kModule.substr(0, 7));

  host::FailCall("GetModuleFileNameW");
  EXPECT_EQ(GetModuleFileNameW(module, path, 4096), 0u);
  FreeLibrary(module);
  EXPECT_EQ(GetModuleHandleW(kModule.c_str()), nullptr);

  // The program itself.
  length = GetModuleFileNameW(nullptr, path, 4096);
  EXPECT_GT(length, 0u);
  EXPECT_NE(GetModuleHandleW(nullptr), nullptr);
}

std::string ResourceText(HMODULE module, LPCWSTR name, LPCWSTR type) {
  HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return "error " + std::to_string(GetLastError());
  HGLOBAL loaded = LoadResource(module, found);
  auto* bytes = static_cast<const char*>(LockResource(loaded));
  return std::string(bytes, SizeofResource(module, found));
}

TEST_F(ModuleLoaderTest, ResourcesByNumberNameAndType) {
  HMODULE module = LoadLibraryW(kModule.c_str());
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(ResourceText(module, MAKEINTRESOURCEW(7), RT_RCDATA), std::string("seven\0", 6));
  EXPECT_EQ(ResourceText(module, u"#7", RT_RCDATA), std::string("seven\0", 6));
  EXPECT_EQ(ResourceText(module, u"greeting", RT_RCDATA), std::string("hello\0", 6));
  EXPECT_EQ(ResourceText(module, MAKEINTRESOURCEW(3), u"Texts"), std::string("three\0", 6));
  EXPECT_EQ(ResourceText(module, MAKEINTRESOURCEW(8), RT_RCDATA),
            "error " + std::to_string(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(ResourceText(module, MAKEINTRESOURCEW(7), RT_MENU),
            "error " + std::to_string(ERROR_RESOURCE_TYPE_NOT_FOUND));
  // The program's own resources are its dialogs (fixtures/dialogs).
  EXPECT_EQ(ResourceText(nullptr, MAKEINTRESOURCEW(7), RT_RCDATA),
            "error " + std::to_string(ERROR_RESOURCE_TYPE_NOT_FOUND));
  host::FailCall("FindResourceW");
  EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(7), RT_RCDATA), nullptr);
  FreeLibrary(module);
}

}  // namespace
