// OutputDebugStringW (platform/kernel32/WinDebug.h, host/kernel32/DebugOutput.h).
#include "host/kernel32/DebugOutput.h"

#include <mutex>

#include "Platform.h"
#include "common/HostText.h"

namespace {

struct DebugLog {
  std::mutex lock;
  std::vector<host::DebugOutputEntry> entries;
};

DebugLog& Log() {
  static DebugLog* log = new DebugLog;  // written until the process ends
  return *log;
}

}  // namespace

void OutputDebugStringW(LPCWSTR outputString) {
  if (outputString == nullptr) return;
  DebugLog& log = Log();
  std::lock_guard<std::mutex> hold(log.lock);
  log.entries.push_back(host::DebugOutputEntry{
      GetCurrentThreadId(), std::u16string(outputString, platform::WideLength(outputString))});
}

namespace host {

std::vector<DebugOutputEntry> DebugOutput() {
  DebugLog& log = Log();
  std::lock_guard<std::mutex> hold(log.lock);
  return log.entries;
}

std::u16string DebugOutputText() {
  std::u16string text;
  for (const DebugOutputEntry& entry : DebugOutput()) text += entry.text;
  return text;
}

void ClearDebugOutput() {
  DebugLog& log = Log();
  std::lock_guard<std::mutex> hold(log.lock);
  log.entries.clear();
}

}  // namespace host
