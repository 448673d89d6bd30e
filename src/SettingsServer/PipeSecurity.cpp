#include "PipeSecurity.h"

#include "common/ProcessUser.h"

PipeSecurity::PipeSecurity() {
  user_ = ProcessUserSid(GetCurrentProcess());
  SID_IDENTIFIER_AUTHORITY packages = SECURITY_APP_PACKAGE_AUTHORITY;
  if (user_.empty() ||
      !AllocateAndInitializeSid(&packages, 2, SECURITY_APP_PACKAGE_BASE_RID,
                                SECURITY_BUILTIN_PACKAGE_ANY_PACKAGE, 0, 0, 0, 0, 0, 0,
                                &anyPackage_))
    return;
  const DWORD access = GENERIC_READ | GENERIC_WRITE;
  DWORD aceBytes = sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
  DWORD size = sizeof(ACL) + 2 * aceBytes + static_cast<DWORD>(user_.size()) +
               GetLengthSid(anyPackage_);
  acl_.resize((size + 3) & ~3u);
  auto* acl = reinterpret_cast<PACL>(acl_.data());
  ok_ = InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) &&
        AddAccessAllowedAce(acl, ACL_REVISION, access, user_.data()) &&
        AddAccessAllowedAce(acl, ACL_REVISION, access, anyPackage_) &&
        InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
  attributes_.nLength = sizeof(attributes_);
  attributes_.lpSecurityDescriptor = &descriptor_;
  attributes_.bInheritHandle = FALSE;
}

PipeSecurity::~PipeSecurity() {
  if (anyPackage_ != nullptr) FreeSid(anyPackage_);
}
