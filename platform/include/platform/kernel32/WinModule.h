// Loading modules (DLLs) into the process, after the documentation of
// LoadLibraryW, FreeLibrary, GetProcAddress, GetModuleFileNameW and
// GetModuleHandleW. Here a module is a shared object (an ELF image) opened
// with the dynamic loader; its HMODULE is the address at which its image
// starts, as on Windows. Each module has one load count: the first
// LoadLibraryW calls its entry point (ModuleImage.h) with
// DLL_PROCESS_ATTACH after the image's static initialisers, the FreeLibrary
// that ends the count calls it with DLL_PROCESS_DETACH before the image's
// static destructors. An entry point that refuses the attach fails the load
// with ERROR_DLL_INIT_FAILED after a DLL_PROCESS_DETACH, and the image is
// unloaded. A module still loaded when the process ends gets no detach call.
#pragma once

#include "platform/base/WinDef.h"

// The system DLLs that the stand-in implements itself (riched20.dll) are
// found by their name alone or in C:\Windows\System32 and read from no
// file; they report that folder as their path. Another file name without a
// folder is looked for next to the program, then in the current folder;
// "C:\..." names the stand-in's drive C:, any other path is a host path.
// Fails with ERROR_MOD_NOT_FOUND (no such file), ERROR_BAD_EXE_FORMAT (not
// a loadable image) or ERROR_DLL_INIT_FAILED.
// Failure switch: "LoadLibraryW" with the file name as qualifier
// (ERROR_MOD_NOT_FOUND).
HMODULE LoadLibraryW(LPCWSTR lpLibFileName);
BOOL FreeLibrary(HMODULE hLibModule);
// Only names the module itself defines are found (never one of the libraries
// it uses); ordinals are not supported. ERROR_PROC_NOT_FOUND otherwise.
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
// NULL names the program. A buffer too small gets nSize - 1 characters and a
// NUL, the result is nSize and the last error ERROR_INSUFFICIENT_BUFFER, as
// on Windows Vista and later. Failure switch: "GetModuleFileNameW" (0 with
// ERROR_MOD_NOT_FOUND).
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
// NULL gives the program's handle; a name matches a module loaded with
// LoadLibraryW by its full path or its file name, without regard to case.
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
