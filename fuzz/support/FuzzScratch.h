#pragma once

#include <string>

// A folder of the fuzzing process's own (under the system's temporary
// folder), made on first use and removed with everything in it when the
// process exits normally.
class FuzzScratch {
 public:
  static const std::string& Folder();
  // Writes bytes to a file in the folder and returns its path.
  static std::string Write(const std::string& name, const std::string& bytes);
};
