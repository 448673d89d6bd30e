#pragma once

#include <string>

#include "Platform.h"

// An HRESULT as its name where it is one TSF hands out often ("S_OK",
// "E_NOTIMPL"), else as eight hexadecimal digits.
std::string ResultText(HRESULT result);
