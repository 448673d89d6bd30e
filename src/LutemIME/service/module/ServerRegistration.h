#pragma once

#include "Platform.h"

// What DllRegisterServer and DllUnregisterServer do: the COM class under
// HKEY_CLASSES_ROOT\CLSID\{CLSID_TextService} (its name, the module's path
// and the apartment threading model), one keyboard profile for Bengali
// (Bangladesh) and the eight categories of TipCategoryList.

// S_OK when every part is registered. Any step that fails undoes them all
// (UnregisterServer) and gives E_FAIL, so a half-registered text service is
// never left for TSF to find.
HRESULT RegisterServer();
// Removes what RegisterServer writes, each part as far as it can; S_OK.
HRESULT UnregisterServer();
