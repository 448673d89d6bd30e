// Readable names of the framework's GUIDs, for failure-switch qualifiers and
// for what the host reports ("IID_ITfThreadMgrEventSink",
// "GUID_COMPARTMENT_KEYBOARD_OPENCLOSE"); any other GUID is written out in
// braces, lower case.
#pragma once

#include <string>

#include "Platform.h"

namespace platform {

std::string GuidName(REFGUID guid);

}  // namespace platform
