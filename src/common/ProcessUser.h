#pragma once

#include <vector>

#include "Platform.h"

// The SID of the user a process runs as (its token's user), in binary form;
// empty when the token cannot be read.
std::vector<BYTE> ProcessUserSid(HANDLE process);

// Whether the process that serves a pipe runs as the same user as the
// calling process. False when that cannot be told (the serving process may
// not be opened, as from an AppContainer).
bool PipeServedBySameUser(HANDLE pipe);
