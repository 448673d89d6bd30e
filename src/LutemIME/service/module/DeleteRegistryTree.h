#pragma once

#include "Platform.h"

// Deletes the key parent\subKey and every key below it, deepest first
// (Windows refuses to delete a key that still has subkeys). A key that does
// not exist counts as deleted; any other failure stops the deletion and is
// returned as its Win32 error code.
LONG DeleteRegistryTree(HKEY parent, LPCWSTR subKey);
