#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Platform.h"

// The addresses of a loaded module's global variables, found by name in the
// COFF symbol table of the module's file. A module exports only its entry
// points, but the linker keeps its symbol table unless it is stripped whole,
// so a test can read what the module holds without a way in of its own.
class ModuleSymbols {
 public:
  // Reads the symbols named in wanted from the file the module was loaded
  // from. The file must be the loaded image: its section table must match
  // the one in memory.
  bool Read(HMODULE module, const std::vector<std::string>& wanted);
  // The symbol's address in the loaded module; null when it was not found.
  const void* Address(const std::string& name) const;
  // Why Read failed.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& error);

  std::map<std::string, const void*> addresses_;
  std::string error_;
};
