#include "service/settings/SendSettingsCommand.h"

#include "Platform.h"
#include "common/PipeMessageWait.h"
#include "common/SettingsIpcConstants.h"
#include "service/settings/OpenSettingsPipe.h"

namespace {

constexpr DWORD kReplyBufferBytes = 2048;
constexpr DWORD kReplyReadBytes = kReplyBufferBytes - 2;

}  // namespace

std::u16string SendSettingsCommand(std::u16string_view request) {
  HANDLE pipe = OpenSettingsPipe(GENERIC_READ | GENERIC_WRITE);
  if (pipe == INVALID_HANDLE_VALUE) return ErrorReply(u"Could not connect to settings server.");

  DWORD mode = PIPE_READMODE_MESSAGE;
  if (!SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr)) {
    CloseHandle(pipe);
    return ErrorReply(u"Failed to set pipe handle state.");
  }

  // The text and its NUL; one message, so the server reads it whole.
  std::u16string message(request);
  constexpr size_t kMaxUnits = 0x7FFFFFFE / sizeof(char16_t);
  DWORD bytes = static_cast<DWORD>((message.size() + 1) * sizeof(char16_t));
  DWORD written = 0;
  if (message.size() > kMaxUnits || !WriteFile(pipe, message.c_str(), bytes, &written, nullptr)) {
    CloseHandle(pipe);
    return ErrorReply(u"Failed to write to pipe.");
  }

  char16_t buffer[kReplyBufferBytes / sizeof(char16_t)];
  DWORD read = 0;
  // Read without waiting, again and again until the time-out: a peek would
  // not see an empty reply.
  mode = PIPE_READMODE_MESSAGE | PIPE_NOWAIT;
  if (!SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr) ||
      !ReadPipeMessageWithin(pipe, buffer, kReplyReadBytes, read, kSettingsReplyTimeout)) {
    CloseHandle(pipe);
    return ErrorReply(u"Failed to read from pipe.");
  }

  // Half a UTF-16 unit is dropped; the text ends at its first NUL.
  size_t units = (read & ~static_cast<DWORD>(1)) / sizeof(char16_t);
  buffer[units] = u'\0';
  CloseHandle(pipe);
  return std::u16string(buffer);
}
