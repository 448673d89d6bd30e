#pragma once

#include <string>

#include "Platform.h"

// The host path of the default word dictionary that setup.sh installs: the
// file the input method's word loader reads from the data folder of the
// drive C: the program was started with (LUTEM_SYSTEM_ROOT or its default),
// whatever drive a benchmark has moved the process to since.
std::string DefaultDictionaryPath();
// The same for the default language model.
std::string DefaultModelPath();

// A new folder "PREFIX-XXXXXX" in the temporary folder, removed with all it
// holds when the program ends; empty when none can be made.
std::string BenchTempFolder(const char* prefix);

// The candidate window's class, registered by the module's attach once per
// process (classes outlive every run, as on Windows).
ATOM CandidateWindowClass();
