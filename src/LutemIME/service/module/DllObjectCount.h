#pragma once

#include "Platform.h"

// The module's object count: -1 while nothing of the module is alive. Every
// COM object of the module raises it while it lives, and so does every
// dictionary or loader thread from before it starts until it has finished,
// because those run the module's code. Changed only by interlocked calls, so
// any thread may raise and lower it.
extern LONG volatile DllObjectCount;

void DllAddRef();
// Lowers the count; below zero nothing holds the class factory any more, and
// it is deleted.
void ReleaseModule();

// Whether anything still holds the module: DllCanUnloadNow must refuse then.
bool ModuleInUse();
