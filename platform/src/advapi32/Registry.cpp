#include <cstring>
#include <mutex>
#include <unordered_map>

#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "advapi32/RegistryDatabase.h"

using platform::RegistryDatabase;

namespace {

// What an HKEY of ours stands for: a key row and the access it was opened with.
struct OpenKey {
  int64_t id;
  REGSAM access;
  DWORD lastIndex;
  int64_t lastRow;
};

std::mutex keysLock;
std::unordered_map<uintptr_t, OpenKey>& Keys() {
  static auto* keys = new std::unordered_map<uintptr_t, OpenKey>;
  return *keys;
}
uintptr_t nextKey = 0x1000;

int64_t PredefinedKey(HKEY key) {
  if (key == HKEY_CLASSES_ROOT) return RegistryDatabase::kClassesRoot;
  if (key == HKEY_CURRENT_USER) return RegistryDatabase::kCurrentUser;
  if (key == HKEY_LOCAL_MACHINE) return RegistryDatabase::kLocalMachine;
  return 0;
}

bool Resolve(HKEY key, OpenKey& open) {
  if (int64_t id = PredefinedKey(key)) {
    open = {id, KEY_ALL_ACCESS, 0, 0};
    return true;
  }
  std::lock_guard<std::mutex> hold(keysLock);
  auto it = Keys().find(reinterpret_cast<uintptr_t>(key));
  if (it == Keys().end()) return false;
  open = it->second;
  return true;
}

HKEY AddKey(int64_t id, REGSAM access) {
  std::lock_guard<std::mutex> hold(keysLock);
  uintptr_t value = nextKey;
  nextKey += 4;
  Keys()[value] = {id, access, 0, 0};
  return reinterpret_cast<HKEY>(value);
}

// Splits "a\b\c"; a trailing backslash is allowed, a leading one or an empty
// component in between is a bad path, as on Windows.
LONG SplitPath(LPCWSTR subKey, std::vector<std::u16string>& parts) {
  std::u16string_view path(subKey ? subKey : u"", platform::WideLength(subKey));
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  if (path.empty()) return ERROR_SUCCESS;
  size_t start = 0;
  for (;;) {
    size_t end = path.find(u'\\', start);
    std::u16string_view part = path.substr(start, end == std::u16string_view::npos ? end : end - start);
    if (part.empty()) return ERROR_BAD_PATHNAME;
    if (part.size() > 255) return ERROR_INVALID_PARAMETER;
    parts.emplace_back(part);
    if (end == std::u16string_view::npos) return ERROR_SUCCESS;
    start = end + 1;
  }
}

std::u16string ValueName(LPCWSTR name) {
  return std::u16string(name ? name : u"", platform::WideLength(name));
}

// Copies value bytes out under the size-query rules of the query calls.
LONG DeliverData(const RegistryDatabase::Value& value, LPDWORD type, LPBYTE data,
                 LPDWORD dataSize) {
  if (data != nullptr && dataSize == nullptr) return ERROR_INVALID_PARAMETER;
  if (type != nullptr) *type = value.type;
  if (dataSize == nullptr) return ERROR_SUCCESS;
  DWORD size = static_cast<DWORD>(value.data.size());
  DWORD room = *dataSize;
  *dataSize = size;
  if (data == nullptr) return ERROR_SUCCESS;
  if (room < size) return ERROR_MORE_DATA;
  if (size > 0) std::memcpy(data, value.data.data(), size);
  return ERROR_SUCCESS;
}

// The key row that a handle and a subkey path name (made when create is set).
LONG FindSubKey(HKEY key, LPCWSTR subKey, bool create, int64_t& id, bool& created) {
  OpenKey parent;
  if (!Resolve(key, parent)) return ERROR_INVALID_HANDLE;
  std::vector<std::u16string> parts;
  if (LONG error = SplitPath(subKey, parts)) return error;
  return RegistryDatabase::Instance().OpenPath(parent.id, parts, create, id, created);
}

LONG OpenOrCreate(HKEY key, LPCWSTR subKey, REGSAM desired, bool create, PHKEY result,
                  LPDWORD disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  int64_t id = 0;
  bool created = false;
  LONG error = FindSubKey(key, subKey, create, id, created);
  if (error != ERROR_SUCCESS) return error;
  if (disposition != nullptr) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = AddKey(id, desired);
  return ERROR_SUCCESS;
}

}  // namespace

LSTATUS RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                        REGSAM desired, LPSECURITY_ATTRIBUTES securityAttributes, PHKEY result,
                        LPDWORD disposition) {
  if (subKey == nullptr) return ERROR_INVALID_PARAMETER;
  if (platform::ShouldFail("RegCreateKeyExW")) return ERROR_ACCESS_DENIED;
  return OpenOrCreate(key, subKey, desired, true, result, disposition);
}

LSTATUS RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired, PHKEY result) {
  if (platform::ShouldFail("RegOpenKeyExW")) return ERROR_ACCESS_DENIED;
  return OpenOrCreate(key, subKey, desired, false, result, nullptr);
}

LSTATUS RegOpenKeyW(HKEY key, LPCWSTR subKey, PHKEY result) {
  if (platform::ShouldFail("RegOpenKeyW")) return ERROR_ACCESS_DENIED;
  return OpenOrCreate(key, subKey, KEY_ALL_ACCESS, false, result, nullptr);
}

LSTATUS RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameLength, LPDWORD reserved,
                      LPWSTR keyClass, LPDWORD classLength, PFILETIME lastWriteTime) {
  OpenKey open;
  if (!Resolve(key, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_ENUMERATE_SUB_KEYS) == 0) return ERROR_ACCESS_DENIED;
  if (name == nullptr || nameLength == nullptr || reserved != nullptr ||
      (keyClass != nullptr && classLength == nullptr))
    return ERROR_INVALID_PARAMETER;
  if (platform::ShouldFail("RegEnumKeyExW")) return ERROR_ACCESS_DENIED;
  std::u16string found;
  LONG error = RegistryDatabase::Instance().EnumKey(open.id, index, found);
  if (error != ERROR_SUCCESS) return error;
  if (*nameLength <= found.size()) return ERROR_MORE_DATA;
  std::memcpy(name, found.data(), found.size() * sizeof(WCHAR));
  name[found.size()] = 0;
  *nameLength = static_cast<DWORD>(found.size());
  if (keyClass != nullptr && *classLength > 0) keyClass[0] = 0;
  if (classLength != nullptr) *classLength = 0;
  if (lastWriteTime != nullptr) *lastWriteTime = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

LSTATUS RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD dataSize) {
  OpenKey open;
  if (!Resolve(key, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (reserved != 0 || (data == nullptr && dataSize != 0)) return ERROR_INVALID_PARAMETER;
  if (platform::ShouldFail("RegSetValueExW")) return ERROR_ACCESS_DENIED;
  return RegistryDatabase::Instance().SetValue(open.id, ValueName(valueName), type, data, dataSize);
}

LSTATUS RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD dataSize) {
  OpenKey open;
  if (!Resolve(key, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (reserved != nullptr || (data != nullptr && dataSize == nullptr))
    return ERROR_INVALID_PARAMETER;
  RegistryDatabase::Value value;
  LONG error = RegistryDatabase::Instance().QueryValue(open.id, ValueName(valueName), value);
  if (error != ERROR_SUCCESS) return error;
  return DeliverData(value, type, data, dataSize);
}

LSTATUS RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD valueNameLength,
                      LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  OpenKey open;
  if (!Resolve(key, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_QUERY_VALUE) == 0) return ERROR_ACCESS_DENIED;
  if (valueName == nullptr || valueNameLength == nullptr || reserved != nullptr)
    return ERROR_INVALID_PARAMETER;
  int64_t after = index > 0 && open.lastRow > 0 && open.lastIndex == index - 1 ? open.lastRow : 0;
  RegistryDatabase::Value value;
  int64_t row = 0;
  LONG error = RegistryDatabase::Instance().EnumValue(open.id, index, after, value, row);
  if (error != ERROR_SUCCESS) return error;
  {
    std::lock_guard<std::mutex> hold(keysLock);
    auto it = Keys().find(reinterpret_cast<uintptr_t>(key));
    if (it != Keys().end()) {
      it->second.lastIndex = index;
      it->second.lastRow = row;
    }
  }
  if (*valueNameLength <= value.name.size()) return ERROR_MORE_DATA;
  std::memcpy(valueName, value.name.data(), value.name.size() * sizeof(WCHAR));
  valueName[value.name.size()] = 0;
  *valueNameLength = static_cast<DWORD>(value.name.size());
  return DeliverData(value, type, data, dataSize);
}

LSTATUS RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
  if (subKey == nullptr) return ERROR_INVALID_PARAMETER;
  if (platform::ShouldFail("RegDeleteKeyW")) return ERROR_ACCESS_DENIED;
  int64_t id = 0;
  bool created = false;
  LONG error = FindSubKey(key, subKey, false, id, created);
  if (error != ERROR_SUCCESS) return error;
  return RegistryDatabase::Instance().DeleteKey(id);
}

LSTATUS RegDeleteValueW(HKEY key, LPCWSTR valueName) {
  OpenKey open;
  if (!Resolve(key, open)) return ERROR_INVALID_HANDLE;
  if ((open.access & KEY_SET_VALUE) == 0) return ERROR_ACCESS_DENIED;
  return RegistryDatabase::Instance().DeleteValue(open.id, ValueName(valueName));
}

LSTATUS RegCloseKey(HKEY key) {
  if (PredefinedKey(key) != 0) return ERROR_SUCCESS;
  std::lock_guard<std::mutex> hold(keysLock);
  return Keys().erase(reinterpret_cast<uintptr_t>(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
