#pragma once

#include "Platform.h"

// The engine's dictionary thread (argument: the CCompositionProcessorEngine):
// gives the engine a dictionary engine for the data folder, which starts the
// process's loaders the first time, unless the Program Files folder cannot
// be found; then fills the engine's user dictionary from the settings
// server. Its starter has taken a module reference for it (DllAddRef),
// which it gives back as it ends. Returns 0; throws nothing.
DWORD WINAPI DictionaryLoaderThread(LPVOID engine);
