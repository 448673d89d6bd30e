#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "support/TempSystemRoot.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  HKEY Create(const char16_t* path, DWORD* disposition = nullptr, HKEY root = HKEY_CURRENT_USER) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, disposition),
              ERROR_SUCCESS);
    return key;
  }
  LONG Open(const char16_t* path, HKEY& key, REGSAM access = KEY_READ,
            HKEY root = HKEY_CURRENT_USER) {
    return RegOpenKeyExW(root, path, 0, access, &key);
  }

  TempSystemRoot root_;
};

TEST_F(RegistryTest, KeysAreATreeWhoseNamesIgnoreCase) {
  DWORD disposition = 0;
  HKEY created = Create(u"Software\\Hollin\\Test", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  HKEY again = Create(u"SOFTWARE\\hollin\\TEST\\", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  DWORD value = 7;
  ASSERT_EQ(RegSetValueExW(created, u"Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
            ERROR_SUCCESS);
  DWORD read = 0, size = 4, type = 0;
  EXPECT_EQ(RegQueryValueExW(again, u"NUMBER", nullptr, &type, reinterpret_cast<BYTE*>(&read),
                             &size),
            ERROR_SUCCESS);
  EXPECT_EQ(read, 7u);
  HKEY parent = nullptr;
  EXPECT_EQ(Open(u"software\\HOLLIN", parent), ERROR_SUCCESS);
  HKEY other = nullptr;
  EXPECT_EQ(Open(u"Software\\Hollin\\Test", other, KEY_READ, HKEY_CLASSES_ROOT),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Open(u"\\Software", other), ERROR_BAD_PATHNAME);
  for (HKEY key : {created, again, parent}) EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(created), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, ValuesKeepTheirTypeAndExactBytes) {
  HKEY key = Create(u"Software\\Bytes");
  const BYTE binary[] = {0, 1, 0, 0xFF, 0};
  ASSERT_EQ(RegSetValueExW(key, u"Binary", 0, REG_BINARY, binary, sizeof(binary)), ERROR_SUCCESS);
  // Text without its NUL is kept exactly as given.
  ASSERT_EQ(RegSetValueExW(key, u"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(u"ab"), 4),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, nullptr, 0, REG_SZ, nullptr, 0), ERROR_SUCCESS);

  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExW(key, u"Binary", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(size, sizeof(binary));
  std::vector<BYTE> data(8, 0xAA);
  size = 2;
  EXPECT_EQ(RegQueryValueExW(key, u"Binary", nullptr, nullptr, data.data(), &size),
            ERROR_MORE_DATA);
  EXPECT_EQ(size, sizeof(binary));
  size = static_cast<DWORD>(data.size());
  EXPECT_EQ(RegQueryValueExW(key, u"Binary", nullptr, nullptr, data.data(), &size), ERROR_SUCCESS);
  EXPECT_EQ(std::vector<BYTE>(data.begin(), data.begin() + size),
            std::vector<BYTE>(binary, binary + sizeof(binary)));
  size = 8;
  EXPECT_EQ(RegQueryValueExW(key, u"Text", nullptr, &type, data.data(), &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);
  size = 8;
  EXPECT_EQ(RegQueryValueExW(key, u"", nullptr, &type, data.data(), &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(RegQueryValueExW(key, u"Missing", nullptr, &type, data.data(), &size),
            ERROR_FILE_NOT_FOUND);

  // A new type and size replace the old, and the value keeps its place.
  DWORD number = 1;
  ASSERT_EQ(RegSetValueExW(key, u"BINARY", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4),
            ERROR_SUCCESS);
  WCHAR name[16];
  DWORD length = 16;
  size = 8;
  EXPECT_EQ(RegEnumValueW(key, 0, name, &length, nullptr, &type, data.data(), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::u16string(name, length), u"Binary");
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(size, 4u);
  length = 3;
  EXPECT_EQ(RegEnumValueW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_MORE_DATA);
  length = 16;
  EXPECT_EQ(RegEnumValueW(key, 3, name, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_NO_MORE_ITEMS);
  EXPECT_EQ(RegDeleteValueW(key, u"text"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueW(key, u"text"), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

TEST_F(RegistryTest, DeletingKeysAndAccess) {
  HKEY parent = Create(u"Software\\Parent");
  HKEY child = Create(u"Software\\Parent\\Child");
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Parent"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyW(parent, u"child"), ERROR_SUCCESS);
  DWORD value = 1;
  EXPECT_EQ(RegSetValueExW(child, u"x", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
            ERROR_KEY_DELETED);
  HKEY reopened = nullptr;
  EXPECT_EQ(Open(u"Software\\Parent\\Child", reopened), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Parent"), ERROR_SUCCESS);

  HKEY readOnly = nullptr;
  Create(u"Software\\ReadOnly");
  ASSERT_EQ(Open(u"Software\\ReadOnly", readOnly, KEY_READ), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(readOnly, u"x", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4),
            ERROR_ACCESS_DENIED);
  RegCloseKey(readOnly);
}

TEST_F(RegistryTest, SubkeysEnumerateInNameOrder) {
  for (const char16_t* name : {u"Keys\\beta", u"Keys\\Alpha", u"Keys\\gamma\\deep"})
    RegCloseKey(Create(name));
  HKEY keys = nullptr;
  ASSERT_EQ(RegOpenKeyW(HKEY_CURRENT_USER, u"Keys", &keys), ERROR_SUCCESS);
  std::vector<std::u16string> names;
  WCHAR name[16];
  DWORD length = 16;
  for (DWORD index = 0;
       RegEnumKeyExW(keys, index, name, &length, nullptr, nullptr, nullptr, nullptr) ==
       ERROR_SUCCESS;
       ++index, length = 16) {
    EXPECT_EQ(length, std::u16string(name).size());
    names.emplace_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Alpha", u"beta", u"gamma"}));
  length = 5;  // "Alpha" needs a sixth unit for its NUL
  EXPECT_EQ(RegEnumKeyExW(keys, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_MORE_DATA);
  RegCloseKey(keys);
  HKEY writeOnly = nullptr;
  ASSERT_EQ(Open(u"Keys", writeOnly, KEY_WRITE), ERROR_SUCCESS);
  length = 16;
  EXPECT_EQ(RegEnumKeyExW(writeOnly, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
            ERROR_ACCESS_DENIED);
  RegCloseKey(writeOnly);
}

TEST_F(RegistryTest, LocalMachineIsATreeOfItsOwn) {
  HKEY machine = Create(u"SOFTWARE\\Test", nullptr, HKEY_LOCAL_MACHINE);
  ASSERT_NE(machine, nullptr);
  RegCloseKey(machine);
  HKEY other = nullptr;
  EXPECT_EQ(Open(u"SOFTWARE\\Test", other), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Open(u"SOFTWARE\\Test", other, KEY_READ, HKEY_CLASSES_ROOT), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Test"), ERROR_SUCCESS);
}

TEST_F(RegistryTest, FailureSwitchesRefuseEachCall) {
  HKEY key = Create(u"Software\\Switched\\Child");
  DWORD value = 1;
  struct Case {
    const char* name;
    std::function<LONG()> call;
  };
  const Case cases[] = {
      {"RegCreateKeyExW", [&] {
         HKEY made = nullptr;
         return RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Other", 0, nullptr, 0, KEY_WRITE,
                                nullptr, &made, nullptr);
       }},
      {"RegOpenKeyW", [&] {
         HKEY opened = nullptr;
         return RegOpenKeyW(HKEY_CURRENT_USER, u"Software", &opened);
       }},
      {"RegSetValueExW",
       [&] { return RegSetValueExW(key, u"x", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4); }},
      {"RegEnumKeyExW", [&] {
         WCHAR name[16];
         DWORD length = 16;
         HKEY parent = nullptr;
         RegOpenKeyW(HKEY_CURRENT_USER, u"Software\\Switched", &parent);
         LONG result = RegEnumKeyExW(parent, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
         RegCloseKey(parent);
         return result;
       }},
      {"RegDeleteKeyW",
       [&] { return RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Switched\\Child"); }},
  };
  for (const Case& c : cases) {
    host::FailCall(c.name);
    EXPECT_EQ(c.call(), ERROR_ACCESS_DENIED) << c.name;
    EXPECT_EQ(c.call(), ERROR_SUCCESS) << c.name << " fails once";
  }
  host::ClearFailures();
  RegCloseKey(key);
}

// The registry is one store for every process, and what a process wrote
// stays written when it dies without a word.
TEST_F(RegistryTest, WritesOfAProcessThatIsKilledRemain) {
  pid_t child = fork();
  if (child == 0) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Shared", 0, nullptr, 0, KEY_WRITE, nullptr,
                    &key, nullptr);
    DWORD value = 42;
    RegSetValueExW(key, u"Answer", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 4);
    raise(SIGKILL);
  }
  ASSERT_GT(child, 0);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  HKEY key = nullptr;
  ASSERT_EQ(Open(u"Software\\Shared", key), ERROR_SUCCESS);
  DWORD value = 0, size = 4;
  EXPECT_EQ(RegQueryValueExW(key, u"Answer", nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                             &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 42u);
  RegCloseKey(key);
}

}  // namespace
