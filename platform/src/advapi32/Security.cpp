#include <cstring>
#include <vector>

#include "advapi32/AccessToken.h"
#include "advapi32/Sid.h"
#include "kernel32/HandleTable.h"

using platform::AccessToken;
using platform::HandleTable;
using platform::ProcessIdentity;
using platform::ProcessObject;

namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

size_t SidBytes(const SID* sid) { return 8 + 4 * static_cast<size_t>(sid->SubAuthorityCount); }

}  // namespace

BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, PHANDLE token) {
  (void)desiredAccess;
  if (token == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  *token = nullptr;
  ProcessIdentity identity;
  if (process == GetCurrentProcess()) {
    identity = platform::CurrentProcessIdentity();
  } else {
    auto object = HandleTable::Instance().FindAs<ProcessObject>(process);
    if (!object) return Fail(ERROR_INVALID_HANDLE);
    if (!platform::IdentityOfProcess(object->id, identity)) return Fail(ERROR_ACCESS_DENIED);
  }
  *token = HandleTable::Instance().Add(std::make_shared<AccessToken>(std::move(identity)));
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS informationClass,
                         LPVOID information, DWORD length, PDWORD returnLength) {
  auto object = HandleTable::Instance().FindAs<AccessToken>(token);
  if (!object) return Fail(ERROR_INVALID_HANDLE);
  if (returnLength == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if (informationClass == TokenIsAppContainer) {
    *returnLength = sizeof(DWORD);
    if (length < sizeof(DWORD) || information == nullptr) return Fail(ERROR_INSUFFICIENT_BUFFER);
    DWORD value = object->identity.appContainer ? 1 : 0;
    std::memcpy(information, &value, sizeof(value));
    SetLastError(ERROR_SUCCESS);
    return TRUE;
  }
  if (informationClass != TokenUser) return Fail(ERROR_INVALID_PARAMETER);
  std::vector<BYTE> sid = platform::SidFromString(object->identity.userSid);
  if (sid.empty()) return Fail(ERROR_INVALID_DATA);
  DWORD needed = static_cast<DWORD>(sizeof(TOKEN_USER) + sid.size());
  *returnLength = needed;
  if (length < needed || information == nullptr) return Fail(ERROR_INSUFFICIENT_BUFFER);
  auto* user = static_cast<TOKEN_USER*>(information);
  BYTE* sidAt = static_cast<BYTE*>(information) + sizeof(TOKEN_USER);
  std::memcpy(sidAt, sid.data(), sid.size());
  user->User.Sid = sidAt;
  user->User.Attributes = 0;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL IsValidSid(PSID sid) {
  const auto* value = static_cast<const SID*>(sid);
  return value != nullptr && value->Revision == SID_REVISION &&
         value->SubAuthorityCount <= SID_MAX_SUB_AUTHORITIES;
}

DWORD GetLengthSid(PSID sid) {
  return IsValidSid(sid) ? static_cast<DWORD>(SidBytes(static_cast<const SID*>(sid))) : 0;
}

BOOL EqualSid(PSID sid1, PSID sid2) {
  if (!IsValidSid(sid1) || !IsValidSid(sid2)) return Fail(ERROR_INVALID_PARAMETER);
  DWORD length = GetLengthSid(sid1);
  SetLastError(ERROR_SUCCESS);
  return length == GetLengthSid(sid2) && std::memcmp(sid1, sid2, length) == 0;
}

BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority, BYTE subAuthorityCount,
                              DWORD subAuthority0, DWORD subAuthority1, DWORD subAuthority2,
                              DWORD subAuthority3, DWORD subAuthority4, DWORD subAuthority5,
                              DWORD subAuthority6, DWORD subAuthority7, PSID* sid) {
  if (authority == nullptr || sid == nullptr || subAuthorityCount > 8)
    return Fail(ERROR_INVALID_PARAMETER);
  const DWORD values[8] = {subAuthority0, subAuthority1, subAuthority2, subAuthority3,
                           subAuthority4, subAuthority5, subAuthority6, subAuthority7};
  auto* bytes = new (std::nothrow) BYTE[8 + 4 * subAuthorityCount];
  if (bytes == nullptr) return Fail(ERROR_NOT_ENOUGH_MEMORY);
  bytes[0] = SID_REVISION;
  bytes[1] = subAuthorityCount;
  std::memcpy(bytes + 2, authority->Value, 6);
  std::memcpy(bytes + 8, values, 4 * subAuthorityCount);
  *sid = bytes;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

PVOID FreeSid(PSID sid) {
  delete[] static_cast<BYTE*>(sid);
  return nullptr;
}

BOOL InitializeAcl(PACL acl, DWORD length, DWORD revision) {
  if (acl == nullptr || length < sizeof(ACL) || length > 0xFFFF || revision != ACL_REVISION)
    return Fail(ERROR_INVALID_PARAMETER);
  std::memset(acl, 0, sizeof(ACL));
  acl->AclRevision = static_cast<BYTE>(revision);
  acl->AclSize = static_cast<WORD>(length & ~3u);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL AddAccessAllowedAce(PACL acl, DWORD revision, DWORD accessMask, PSID sid) {
  if (acl == nullptr || revision != ACL_REVISION || !IsValidSid(sid))
    return Fail(ERROR_INVALID_PARAMETER);
  // The ACEs lie one after the other behind the header.
  size_t used = sizeof(ACL);
  BYTE* base = reinterpret_cast<BYTE*>(acl);
  for (WORD i = 0; i < acl->AceCount; ++i) {
    const auto* header = reinterpret_cast<const ACE_HEADER*>(base + used);
    used += header->AceSize;
  }
  size_t aceSize = offsetof(ACCESS_ALLOWED_ACE, SidStart) + GetLengthSid(sid);
  aceSize = (aceSize + 3) & ~static_cast<size_t>(3);
  if (used + aceSize > acl->AclSize) return Fail(ERROR_ALLOTTED_SPACE_EXCEEDED);
  auto* ace = reinterpret_cast<ACCESS_ALLOWED_ACE*>(base + used);
  std::memset(ace, 0, aceSize);
  ace->Header.AceType = ACCESS_ALLOWED_ACE_TYPE;
  ace->Header.AceSize = static_cast<WORD>(aceSize);
  ace->Mask = accessMask;
  std::memcpy(&ace->SidStart, sid, GetLengthSid(sid));
  ++acl->AceCount;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision) {
  if (descriptor == nullptr || revision != SECURITY_DESCRIPTOR_REVISION)
    return Fail(ERROR_INVALID_PARAMETER);
  std::memset(descriptor, 0, sizeof(SECURITY_DESCRIPTOR));
  static_cast<SECURITY_DESCRIPTOR*>(descriptor)->Revision = SECURITY_DESCRIPTOR_REVISION;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL daclPresent, PACL dacl,
                               BOOL daclDefaulted) {
  auto* value = static_cast<SECURITY_DESCRIPTOR*>(descriptor);
  if (value == nullptr || value->Revision != SECURITY_DESCRIPTOR_REVISION)
    return Fail(ERROR_INVALID_PARAMETER);
  value->Control &= static_cast<WORD>(~(SE_DACL_PRESENT | SE_DACL_DEFAULTED));
  if (daclPresent) value->Control |= SE_DACL_PRESENT;
  if (daclPresent && daclDefaulted) value->Control |= SE_DACL_DEFAULTED;
  value->Dacl = daclPresent ? dacl : nullptr;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
