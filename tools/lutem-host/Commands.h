#pragma once

#include <string>
#include <vector>

// The subcommands of lutem-host; each takes the arguments after its name and
// returns the program's exit code.
int RegisterCommand(const std::vector<std::string>& args);
int UnregisterCommand(const std::vector<std::string>& args);
int RegistryCommand(const std::vector<std::string>& args);
int SettingsCommand(const std::vector<std::string>& args);
// A session: every argument that is not one of the commands above.
int SessionCommand(const std::vector<std::string>& args);

// The path of a file in this program's folder (where the build puts the
// input method's module and the settings program's image).
std::string BesideThisProgram(const std::string& fileName);

// What regsvr32 does with a module: load it, call the export (a function
// without arguments that returns an HRESULT), print the result in hex, unload
// it. args may name the module (--module PATH); by default the module built
// next to this program. 0 on S_OK, 1 on any other result, 2 when the module
// or its export cannot be had.
int CallServerExport(const std::vector<std::string>& args, const char* exportName);

// Makes folder (and the folders above it) for --picture; an empty folder
// asks for no pictures. false, with a message in problem, when it cannot be
// made, so that a run never silently writes no pictures.
bool MakePictureFolder(const std::string& folder, std::string* problem);
