// Who a process of the stand-in runs as. A process's user (a SID in its
// string form) and whether it runs in an AppContainer come from its
// environment: LUTEM_PROCESS_USER (default: DefaultUserSid()) and
// LUTEM_PROCESS_APPCONTAINER ("1": in one). The calling process reads its
// own environment at every call, so a test changes who it runs as with
// these setters; other processes learn it from the record a process leaves
// under the system root when it creates a pipe instance, or else from the
// environment it was started with. Tokens, OpenProcess and the check of a
// pipe's security descriptor at CreateFileW all follow this.
#pragma once

#include <string>

namespace host {

constexpr const char* kProcessUserVariable = "LUTEM_PROCESS_USER";
constexpr const char* kProcessAppContainerVariable = "LUTEM_PROCESS_APPCONTAINER";

// The user every process runs as unless told otherwise.
std::string DefaultUserSid();
// A second user of the same machine.
std::string OtherUserSid();

// For the calling process, from now on (and for the processes it starts).
void SetProcessUser(const std::string& sid);
void SetProcessAppContainer(bool inAppContainer);

}  // namespace host
