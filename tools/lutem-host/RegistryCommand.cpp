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

}  // namespace

int RegistryCommand(const std::vector<std::string>& args) {
  if (args.size() > 1) {
    std::fprintf(stderr, "lutem-host: registry takes at most one key\n");
    return 2;
  }
  std::string keyName = args.empty() ? DefaultKey() : args[0];
  size_t slash = keyName.find('\\');
  std::string rootName = keyName.substr(0, slash);
  std::string path = slash == std::string::npos ? std::string() : keyName.substr(slash + 1);
  const Root* root = nullptr;
  for (const Root& candidate : kRoots)
    if (rootName == candidate.name || rootName == candidate.shortName) root = &candidate;
  if (root == nullptr) {
    std::fprintf(stderr,
                 "lutem-host: %s is not HKEY_CLASSES_ROOT, HKEY_CURRENT_USER or "
                 "HKEY_LOCAL_MACHINE\n",
                 rootName.c_str());
    return 2;
  }
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
