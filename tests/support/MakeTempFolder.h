#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

// Creates a new, empty folder under the system's temporary folder and returns
// its path (empty if none could be made). Portable where mkdtemp is missing;
// the random name keeps parallel test processes apart.
inline std::string MakeTempFolder(const std::string& prefix) {
  std::random_device seed;
  std::mt19937_64 names(seed());
  std::error_code error;
  std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return std::string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path dir = base / (prefix + std::to_string(names()));
    if (std::filesystem::create_directory(dir, error)) return dir.string();
  }
  return std::string();
}
