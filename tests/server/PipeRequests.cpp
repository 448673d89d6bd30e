#include "PipeRequests.h"

#include "common/SettingsIpcConstants.h"

namespace PipeRequests {

namespace {

LPCWSTR PipeName() { return reinterpret_cast<LPCWSTR>(SettingsIpcConstants::pipeName.data()); }

}  // namespace

bool SendRaw(const std::vector<char>& message, std::u16string& reply) {
  HANDLE pipe = CreateFileW(PipeName(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return false;
  DWORD mode = PIPE_READMODE_MESSAGE, done = 0;
  bool ok = SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr) &&
            WriteFile(pipe, message.data(), static_cast<DWORD>(message.size()), &done, nullptr);
  char16_t buffer[2048];
  ok = ok && ReadFile(pipe, buffer, sizeof(buffer), &done, nullptr);
  if (ok) reply.assign(buffer, done / 2);
  CloseHandle(pipe);
  return ok;
}

bool Learn(const std::u16string& keys, const std::u16string& text) {
  HANDLE pipe = CreateFileW(PipeName(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (pipe == INVALID_HANDLE_VALUE) return false;
  std::u16string request = std::u16string(SettingsIpcConstants::commandSaveUserDict) + u" " +
                           keys + u":" + text;
  DWORD written = 0;
  bool ok = WriteFile(pipe, request.c_str(), static_cast<DWORD>((request.size() + 1) * 2),
                      &written, nullptr);
  CloseHandle(pipe);
  return ok;
}

size_t CountValues(const std::u16string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, AsWchar(path.c_str()), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  size_t count = 0;
  for (;; ++count) {
    WCHAR name[256];
    DWORD length = 256;
    if (RegEnumValueW(key, static_cast<DWORD>(count), name, &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
  }
  RegCloseKey(key);
  return count;
}

}  // namespace PipeRequests
