#include "kernel32/PipeSecurity.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "advapi32/Sid.h"

namespace platform {

namespace {

constexpr DWORD kFileAllAccess = 0x001F01FF;

std::string SecurityPath(const std::string& socketPath) { return socketPath + ".security"; }

DWORD MapGeneric(DWORD mask) {
  DWORD mapped = mask & 0x0FFFFFFF;
  if (mask & GENERIC_READ) mapped |= FILE_GENERIC_READ;
  if (mask & GENERIC_WRITE) mapped |= FILE_GENERIC_WRITE;
  if (mask & GENERIC_ALL) mapped |= kFileAllAccess;
  return mapped;
}

std::string Hex(DWORD value) {
  char text[16];
  std::snprintf(text, sizeof(text), "%08x", static_cast<unsigned>(value));
  return text;
}

// The ACEs of a DACL as "allow SID MASK" lines; a null DACL is "open".
std::string DaclLines(const ACL* dacl) {
  if (dacl == nullptr) return "open\n";
  std::string lines;
  const BYTE* at = reinterpret_cast<const BYTE*>(dacl) + sizeof(ACL);
  for (WORD i = 0; i < dacl->AceCount; ++i) {
    const auto* ace = reinterpret_cast<const ACCESS_ALLOWED_ACE*>(at);
    if (ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE) {
      lines += "allow " + SidToString(reinterpret_cast<const SID*>(&ace->SidStart)) + " " +
               Hex(MapGeneric(ace->Mask)) + "\n";
    }
    at += ace->Header.AceSize;
  }
  return lines;
}

}  // namespace

void WritePipeSecurity(const std::string& socketPath, const SECURITY_ATTRIBUTES* attributes,
                       const ProcessIdentity& creator) {
  std::string text = "owner " + creator.userSid + "\n";
  const auto* descriptor = attributes != nullptr
                               ? static_cast<const SECURITY_DESCRIPTOR*>(attributes->lpSecurityDescriptor)
                               : nullptr;
  if (descriptor != nullptr && (descriptor->Control & SE_DACL_PRESENT) != 0) {
    text += DaclLines(descriptor->Dacl);
  } else {
    text += "allow " + creator.userSid + " " + Hex(kFileAllAccess) + "\n";
    text += "allow " + std::string(kEveryoneSid) + " " + Hex(FILE_GENERIC_READ) + "\n";
  }
  std::string path = SecurityPath(socketPath);
  std::string temporary = path + ".new";
  {
    std::ofstream file(temporary, std::ios::trunc);
    file << text;
    if (!file) return;
  }
  std::rename(temporary.c_str(), path.c_str());
}

void RemovePipeSecurity(const std::string& socketPath) {
  unlink(SecurityPath(socketPath).c_str());
}

DWORD CheckPipeAccess(const std::string& socketPath, DWORD desiredAccess,
                      const ProcessIdentity& client) {
  std::ifstream file(SecurityPath(socketPath));
  if (!file) return ERROR_SUCCESS;  // no pipe there: the connection fails instead
  // CreateFileW always asks for these besides what the caller names.
  DWORD desired = MapGeneric(desiredAccess) | SYNCHRONIZE | FILE_READ_ATTRIBUTES;
  DWORD byUser = 0, byPackage = 0;
  for (std::string line; std::getline(file, line);) {
    std::istringstream words(line);
    std::string kind, sid, mask;
    words >> kind >> sid >> mask;
    if (kind == "open") return ERROR_SUCCESS;
    if (kind != "allow") continue;
    DWORD granted = static_cast<DWORD>(std::stoul(mask, nullptr, 16));
    if (sid == client.userSid || sid == kEveryoneSid) byUser |= granted;
    if (sid == kAllApplicationPackagesSid) byPackage |= granted;
  }
  DWORD granted = client.appContainer ? (byUser & byPackage) : byUser;
  return (desired & ~granted) == 0 ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

}  // namespace platform
