#include "common/ProcessUser.h"

std::vector<BYTE> ProcessUserSid(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return {};
  std::vector<BYTE> sid;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  if (size >= sizeof(TOKEN_USER)) {
    std::vector<BYTE> buffer(size);
    if (GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
      PSID user = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
      if (IsValidSid(user)) {
        const BYTE* first = static_cast<const BYTE*>(user);
        sid.assign(first, first + GetLengthSid(user));
      }
    }
  }
  CloseHandle(token);
  return sid;
}

bool PipeServedBySameUser(HANDLE pipe) {
  ULONG serverId = 0;
  if (!GetNamedPipeServerProcessId(pipe, &serverId)) return false;
  HANDLE server = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, serverId);
  if (server == nullptr) return false;
  std::vector<BYTE> serverUser = ProcessUserSid(server);
  CloseHandle(server);
  std::vector<BYTE> ownUser = ProcessUserSid(GetCurrentProcess());
  return !serverUser.empty() && !ownUser.empty() && EqualSid(serverUser.data(), ownUser.data());
}
