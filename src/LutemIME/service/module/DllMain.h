#pragma once

#include "Platform.h"

// What the module keeps from its load until its unload.

// The module's instance, for its resources and its file name.
extern HINSTANCE DllInstance;
// Guards the making and the deletion of the class factory. Exists from the
// process attach to the detach.
extern CRITICAL_SECTION DllLock;
// The candidate window's class, registered at the attach.
extern ATOM CandidateWindowClassAtom;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
