#pragma once

#include "Platform.h"

// Opens the settings server's pipe for a request, as a client that lets the
// server identify it and no more (so a program that took the pipe's name
// cannot act as the user inside the application), and only when the
// process serving it runs as the application's own user. Anything else
// (no server, a busy pipe, a server of another user or one whose user cannot
// be told) is INVALID_HANDLE_VALUE, a missing server to the caller; nothing
// has been sent then.
HANDLE OpenSettingsPipe(DWORD access);
