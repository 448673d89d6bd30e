#pragma once

#include <string>

#include "Platform.h"

// The host path of the default word dictionary that setup.sh installs: the
// file the input method's word loader reads from the data folder.
std::string DefaultDictionaryPath();
// The same for the default language model.
std::string DefaultModelPath();

// The candidate window's class, registered by the module's attach once per
// process (classes outlive every run, as on Windows).
ATOM CandidateWindowClass();
