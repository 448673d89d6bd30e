// Writes a key of the stand-in's registry and everything below it, one block
// per key: its full name, then one line per value (name, type, data), in the
// manner of "reg query /s".
#include <cstdio>
#include <cstring>
#include <vector>

#include "Commands.h"
#include "Platform.h"
#include "conversion/WideToUtf8.h"
#include "service/module/GuidToRegistryText.h"

namespace {

struct Root {
  const char* name;
  const char* shortName;
  HKEY key;
};

const Root kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
};

std::string Narrow(const WCHAR* text, size_t length) {
  return WideToUtf8(std::u16string_view(AsChar16(text), length));
}

std::string Hex(const std::vector<BYTE>& data) {
  std::string text;
  char byte[3];
  for (BYTE b : data) {
    std::snprintf(byte, sizeof(byte), "%02X", b);
    text += byte;
  }
  return text;
}

// Text values up to their first NUL; the rest as the bytes are.
std::string ShowData(DWORD type, const std::vector<BYTE>& data) {
  std::u16string text(data.size() / 2, u'\0');
  if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * 2);
  char number[32];
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      return WideToUtf8(std::u16string_view(text.c_str()));
    case REG_MULTI_SZ: {
      std::string shown;
      for (size_t at = 0; at < text.size() && text[at] != 0;) {
        std::u16string_view part(text.c_str() + at);
        if (!shown.empty()) shown += "\\0";
        shown += WideToUtf8(part);
        at += part.size() + 1;
      }
      return shown;
    }
    case REG_DWORD:
      if (data.size() != 4) break;
      DWORD value;
      std::memcpy(&value, data.data(), 4);
      std::snprintf(number, sizeof(number), "0x%X", static_cast<unsigned>(value));
      return number;
    case REG_QWORD:
      if (data.size() != 8) break;
      ULONGLONG wide;
      std::memcpy(&wide, data.data(), 8);
      std::snprintf(number, sizeof(number), "0x%llX", static_cast<unsigned long long>(wide));
      return number;
  }
  return Hex(data);
}

const char* TypeName(DWORD type) {
  switch (type) {
    case REG_SZ:
      return "REG_SZ";
    case REG_EXPAND_SZ:
      return "REG_EXPAND_SZ";
    case REG_BINARY:
      return "REG_BINARY";
    case REG_DWORD:
      return "REG_DWORD";
    case REG_MULTI_SZ:
      return "REG_MULTI_SZ";
    case REG_QWORD:
      return "REG_QWORD";
    default:
      return "REG_NONE";
  }
}

void DumpValues(HKEY key) {
  std::vector<WCHAR> name(16384);
  std::vector<BYTE> data(4096);
  for (DWORD index = 0;;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    LONG result =
        RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA && size > data.size()) {
      data.resize(size);
      continue;
    }
    if (result != ERROR_SUCCESS) return;
    std::string shownName = nameLength == 0 ? "(Default)" : Narrow(name.data(), nameLength);
    std::vector<BYTE> value(data.begin(), data.begin() + size);
    std::printf("    %s    %s    %s\n", shownName.c_str(), TypeName(type),
                ShowData(type, value).c_str());
    ++index;
  }
}

void DumpKey(HKEY key, const std::string& fullName) {
  std::printf("%s\n", fullName.c_str());
  DumpValues(key);
  std::printf("\n");
  for (DWORD index = 0;; ++index) {
    WCHAR name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return;
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    DumpKey(child, fullName + "\\" + Narrow(name, length));
    RegCloseKey(child);
  }
}

std::string DefaultKey() {
  WCHAR clsid[39];
  GuidToRegistryText(clsid);
  return "HKEY_CLASSES_ROOT\\CLSID\\" + Narrow(clsid, 38);
}

// KEY split into its root and the path below it; nullptr (with a message)
// for a root that is not one of the three.
const Root* SplitKey(const std::string& keyName, std::string* path) {
  size_t slash = keyName.find('\\');
  std::string rootName = keyName.substr(0, slash);
  *path = slash == std::string::npos ? std::string() : keyName.substr(slash + 1);
  for (const Root& candidate : kRoots)
    if (rootName == candidate.name || rootName == candidate.shortName) return &candidate;
  std::fprintf(stderr,
               "lutem-host: %s is not HKEY_CLASSES_ROOT, HKEY_CURRENT_USER or "
               "HKEY_LOCAL_MACHINE\n",
               rootName.c_str());
  return nullptr;
}

// As "reg add KEY /v NAME /t REG_SZ /d TEXT /f": the key is made if need be.
int SetText(const std::string& keyName, const std::string& name, const std::string& text) {
  std::string path;
  const Root* root = SplitKey(keyName, &path);
  if (root == nullptr) return 2;
  HKEY key = nullptr;
  LONG result = RegCreateKeyExW(root->key, AsWchar(Utf8ToWide(path).c_str()), 0, nullptr,
                                REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS) {
    std::u16string data = Utf8ToWide(text);
    std::u16string wideName = Utf8ToWide(name);
    result = RegSetValueExW(key, AsWchar(wideName.c_str()), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(char16_t)));
    RegCloseKey(key);
  }
  if (result != ERROR_SUCCESS) {
    std::fprintf(stderr, "lutem-host: cannot set %s in %s (error %d)\n", name.c_str(),
                 keyName.c_str(), static_cast<int>(result));
    return 1;
  }
  return 0;
}

// The stand-in's RegDeleteKeyW, like Windows', refuses a key with subkeys:
// the leaves go first.
LONG DeleteTree(HKEY parent, const std::u16string& path) {
  HKEY key = nullptr;
  LONG result = RegOpenKeyExW(parent, AsWchar(path.c_str()), 0, KEY_READ | KEY_WRITE, &key);
  if (result != ERROR_SUCCESS) return result;
  for (;;) {
    WCHAR name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    result = DeleteTree(key, std::u16string(AsChar16(name), length));
    if (result != ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
  return result != ERROR_SUCCESS ? result : RegDeleteKeyW(parent, AsWchar(path.c_str()));
}

// As "reg delete KEY /f": the key and everything below it; a key that is not
// there is nothing to do.
int DeleteKey(const std::string& keyName) {
  std::string path;
  const Root* root = SplitKey(keyName, &path);
  if (root == nullptr) return 2;
  if (path.empty()) {
    std::fprintf(stderr, "lutem-host: will not delete a whole root key\n");
    return 2;
  }
  LONG result = DeleteTree(root->key, Utf8ToWide(path));
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
    std::fprintf(stderr, "lutem-host: cannot delete %s (error %d)\n", keyName.c_str(),
                 static_cast<int>(result));
    return 1;
  }
  return 0;
}

}  // namespace

int RegistryCommand(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == "--set") {
    if (args.size() != 4) {
      std::fprintf(stderr, "lutem-host: registry --set takes KEY NAME TEXT\n");
      return 2;
    }
    return SetText(args[1], args[2], args[3]);
  }
  if (!args.empty() && args[0] == "--delete") {
    if (args.size() != 2) {
      std::fprintf(stderr, "lutem-host: registry --delete takes one KEY\n");
      return 2;
    }
    return DeleteKey(args[1]);
  }
  if (args.size() > 1) {
    std::fprintf(stderr, "lutem-host: registry takes at most one key\n");
    return 2;
  }
  std::string keyName = args.empty() ? DefaultKey() : args[0];
  std::string path;
  const Root* root = SplitKey(keyName, &path);
  if (root == nullptr) return 2;
  std::u16string widePath = Utf8ToWide(path);
  HKEY key = nullptr;
  LONG result = RegOpenKeyExW(root->key, AsWchar(widePath.c_str()), 0, KEY_READ, &key);
  if (result != ERROR_SUCCESS) {
    std::fprintf(stderr, "lutem-host: cannot open %s (error %d)\n", keyName.c_str(),
                 static_cast<int>(result));
    return 1;
  }
  DumpKey(key, std::string(root->name) + (path.empty() ? "" : "\\" + path));
  RegCloseKey(key);
  return 0;
}
