// A module's resources, after the documentation of FindResourceW,
// LoadResource, LockResource and SizeofResource. The resources are those of
// the compiled resource file (.res) that the module registered
// (ModuleImage.h); on Windows the linker puts the same bytes into the image.
// A resource is found by type and name, each a number (MAKEINTRESOURCEW or
// "#123") or a name compared without regard to case; of several languages the
// neutral one is taken, else the first in the file.
#pragma once

#include "platform/base/WinDef.h"

#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_MENU MAKEINTRESOURCEW(4)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_STRING MAKEINTRESOURCEW(6)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_GROUP_CURSOR MAKEINTRESOURCEW(12)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)
#define RT_VERSION MAKEINTRESOURCEW(16)
#define RT_MANIFEST MAKEINTRESOURCEW(24)

// NULL hModule is the program. Fails with ERROR_RESOURCE_DATA_NOT_FOUND (the
// module has no resources), ERROR_RESOURCE_TYPE_NOT_FOUND or
// ERROR_RESOURCE_NAME_NOT_FOUND. Failure switch: "FindResourceW".
HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
// The resource's bytes stay where the module keeps them while it is loaded.
// Failure switch: "LoadResource".
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
