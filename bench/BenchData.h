#pragma once

#include <string>

// The host path of the default word dictionary that setup.sh installs: the
// file the input method's word loader reads from the data folder.
std::string DefaultDictionaryPath();
