#include "FuzzScratch.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

std::string MakeFolder() {
  namespace fs = std::filesystem;
  std::random_device random;
  for (;;) {
    const fs::path folder =
        fs::temp_directory_path() / ("lutem-fuzz-" + std::to_string(random()) + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(folder, error)) return folder.string();
    if (error) {
      std::fprintf(stderr, "fuzz: cannot make a scratch folder: %s\n", error.message().c_str());
      std::abort();
    }
  }
}

// Never destroyed: the exit handler that removes the folder runs after the
// destructors of statics made later than it.
const std::string& FolderName() {
  static const std::string* folder = [] {
    const std::string* made = new std::string(MakeFolder());
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(FolderName(), ignored);
    });
    return made;
  }();
  return *folder;
}

}  // namespace

const std::string& FuzzScratch::Folder() { return FolderName(); }

std::string FuzzScratch::Write(const std::string& name, const std::string& bytes) {
  const std::string path = (std::filesystem::path(Folder()) / name).string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "fuzz: cannot write %s\n", path.c_str());
    std::abort();
  }
  return path;
}
