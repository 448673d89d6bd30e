#include "kernel32/PipeClientLog.h"

#include <deque>
#include <map>
#include <mutex>

#include "host/kernel32/PipeTraffic.h"
#include "kernel32/ImportPatch.h"

namespace platform {
namespace {

constexpr size_t kKept = 4096;

using CreateFileWCall = HANDLE(WINAPI*)(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD,
                                        DWORD, HANDLE);
using WriteFileCall = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
using CloseHandleCall = BOOL(WINAPI*)(HANDLE);

struct Log {
  std::mutex lock;
  std::map<HANDLE, std::u16string> pipes;
  std::deque<host::PipeClientWrite> writes;
  uint64_t dropped = 0;  // writes that fell off the front
  CreateFileWCall createFile = &CreateFileW;
  WriteFileCall writeFile = &WriteFile;
  CloseHandleCall closeHandle = &CloseHandle;
};

Log& TheLog() {
  static Log log;
  return log;
}

bool IsPipeName(LPCWSTR name) {
  static const wchar_t kPrefix[] = L"\\\\.\\pipe\\";
  return name != nullptr && _wcsnicmp(name, kPrefix, wcslen(kPrefix)) == 0;
}

HANDLE WINAPI LoggedCreateFileW(LPCWSTR name, DWORD access, DWORD share,
                                LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                HANDLE pattern) {
  Log& log = TheLog();
  HANDLE handle = log.createFile(name, access, share, security, disposition, flags, pattern);
  if (handle != INVALID_HANDLE_VALUE && IsPipeName(name)) {
    DWORD error = GetLastError();
    std::lock_guard<std::mutex> hold(log.lock);
    log.pipes[handle] = AsChar16(name);
    SetLastError(error);
  }
  return handle;
}

BOOL WINAPI LoggedWriteFile(HANDLE handle, LPCVOID bytes, DWORD count, LPDWORD written,
                            LPOVERLAPPED overlapped) {
  Log& log = TheLog();
  {
    std::lock_guard<std::mutex> hold(log.lock);
    auto pipe = log.pipes.find(handle);
    if (pipe != log.pipes.end() && bytes != nullptr) {
      host::PipeClientWrite write;
      write.pipe = pipe->second;
      write.threadId = GetCurrentThreadId();
      const auto* first = static_cast<const uint8_t*>(bytes);
      write.bytes.assign(first, first + count);
      log.writes.push_back(std::move(write));
      if (log.writes.size() > kKept) {
        log.writes.pop_front();
        ++log.dropped;
      }
    }
  }
  return log.writeFile(handle, bytes, count, written, overlapped);
}

BOOL WINAPI LoggedCloseHandle(HANDLE handle) {
  Log& log = TheLog();
  {
    std::lock_guard<std::mutex> hold(log.lock);
    log.pipes.erase(handle);
  }
  return log.closeHandle(handle);
}

template <typename Call>
bool Patch(HMODULE module, const char* name, Call replacement, Call* original) {
  void* was = ImportPatch::Replace(module, "kernel32.dll", name, reinterpret_cast<void*>(replacement));
  if (was == nullptr) return false;
  // watched twice: the slot already held the replacement
  if (was != reinterpret_cast<void*>(replacement)) *original = reinterpret_cast<Call>(was);
  return true;
}

}  // namespace

bool PipeClientLog::Watch(HMODULE module) {
  Log& log = TheLog();
  bool any = Patch(module, "CreateFileW", &LoggedCreateFileW, &log.createFile);
  any = Patch(module, "WriteFile", &LoggedWriteFile, &log.writeFile) || any;
  any = Patch(module, "CloseHandle", &LoggedCloseHandle, &log.closeHandle) || any;
  return any;
}

}  // namespace platform

namespace host {

uint64_t PipeTrafficMark() {
  platform::Log& log = platform::TheLog();
  std::lock_guard<std::mutex> hold(log.lock);
  return log.dropped + log.writes.size();
}

std::vector<PipeClientWrite> PipeClientWritesSince(uint64_t mark) {
  platform::Log& log = platform::TheLog();
  std::lock_guard<std::mutex> hold(log.lock);
  std::vector<PipeClientWrite> since;
  for (size_t i = 0; i < log.writes.size(); ++i) {
    if (log.dropped + i >= mark) since.push_back(log.writes[i]);
  }
  return since;
}

}  // namespace host
