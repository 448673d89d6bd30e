// Where the stand-in keeps what stands for drive C: the folder named by
// LUTEM_SYSTEM_ROOT, by default $HOME/.local/share/lutem-keyboard/drive-c
// (/tmp/lutem-keyboard/drive-c without HOME). Under it: "Program Files (x86)"
// and other folders as on C:, ".pipes" (named-pipe sockets), ".objects"
// (named mutexes) and "Windows/registry.sqlite3" (the registry).
// Not a Windows interface: only the stand-in and tests use it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The root folder, read from the environment at every call.
std::string SystemRootFolder();

// "C:\a\b" (either slash, either case of the drive letter) becomes
// <root>/a/b; any other path is a host path and is returned as it is.
std::string HostPathFromWindowsPath(std::u16string_view path);

// The other way: a host path under the root becomes "C:\a\b"; any other
// stays the host path it is.
std::u16string WindowsPathFromHostPath(const std::string& path);

// Creates the folder and its parents; false when it cannot.
bool EnsureFolder(const std::string& path);

}  // namespace platform
