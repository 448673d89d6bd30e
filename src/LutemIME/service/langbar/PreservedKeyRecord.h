#pragma once

#include "Platform.h"
#include "suggest/LutemIMEArray.h"

// A hot key preserved with TSF: its key combinations, its GUID (GUID_NULL
// while unregistered) and its description, a new[] copy owned here.
struct PreservedKeyRecord {
  PreservedKeyRecord() = default;
  ~PreservedKeyRecord() { delete[] description; }

  LutemIMEArray<TF_PRESERVEDKEY> keys;
  GUID guid = GUID_NULL;
  WCHAR* description = nullptr;
};
