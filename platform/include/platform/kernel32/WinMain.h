// A Windows program's entry point (winbase.h's share): the C runtime's
// start-up calls it with the program's instance handle and the command
// line after the program's name. Here a program runs either as an
// executable of its own, whose start-up (the lutem_program_startup
// library) calls it, or as a program image that the host starts on its
// desktop beside other programs (host/kernel32/Programs.h).
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinTypes.h"

extern "C" int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previousInstance, LPWSTR commandLine,
                               int showCommand);
