// OutputDebugStringW (platform/kernel32/WinDebug.h, host/kernel32/DebugOutput.h).
#include "Platform.h"
#include "common/CallLog.h"
#include "common/HostText.h"
#include "host/kernel32/DebugOutput.h"

namespace {

platform::CallLog<host::DebugOutputEntry>& Log() {
  static auto* log = new platform::CallLog<host::DebugOutputEntry>;  // until the process ends
  return *log;
}

}  // namespace

void OutputDebugStringW(LPCWSTR outputString) {
  if (outputString == nullptr) return;
  Log().Add(host::DebugOutputEntry{
      GetCurrentThreadId(), std::u16string(outputString, platform::WideLength(outputString))});
}

namespace host {

std::vector<DebugOutputEntry> DebugOutput() { return Log().All(); }

std::u16string DebugOutputText() {
  std::u16string text;
  for (const DebugOutputEntry& entry : DebugOutput()) text += entry.text;
  return text;
}

void ClearDebugOutput() { Log().Clear(); }

}  // namespace host
