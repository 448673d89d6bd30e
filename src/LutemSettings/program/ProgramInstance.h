#pragma once

#include "Platform.h"

// The instance handle wWinMain was given, which the dialogs are made from.
extern HINSTANCE ProgramInstance;
