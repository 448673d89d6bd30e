#pragma once

#include <string>

#include "Platform.h"
#include "advapi32/ProcessIdentity.h"

namespace platform {

// A pipe's security descriptor, kept beside its socket (<socket>.security)
// so that clients in every process check it when they open the pipe. Its
// owner is the user of the process that created the first instance; its
// DACL is the one given, or Windows' default for a pipe when none is
// (full access for the owner, reading for everyone).
void WritePipeSecurity(const std::string& socketPath, const SECURITY_ATTRIBUTES* attributes,
                       const ProcessIdentity& creator);
void RemovePipeSecurity(const std::string& socketPath);
// ERROR_SUCCESS or ERROR_ACCESS_DENIED for a client asking for access (as
// CreateFileW's desiredAccess). A client in an AppContainer is let in only
// where ALL APPLICATION PACKAGES is granted the access too, as Windows
// checks such a token twice.
DWORD CheckPipeAccess(const std::string& socketPath, DWORD desiredAccess,
                      const ProcessIdentity& client);

}  // namespace platform
