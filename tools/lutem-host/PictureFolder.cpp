#include <filesystem>
#include <system_error>

#include "Commands.h"

bool MakePictureFolder(const std::string& folder, std::string* problem) {
  if (folder.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error && std::filesystem::is_directory(folder, error)) return true;
  *problem = "cannot make the picture folder " + folder +
             (error ? " (" + error.message() + ")" : std::string(" (not a folder)"));
  return false;
}
