// Runs a fuzz target once on every file under the folders named on the
// command line (a missing folder is empty), as libFuzzer does when it is
// given files: the test suite's replay of the seeds and of every input that
// once failed. A failing input ends the program the way it ends the fuzzer
// (a sanitizer report, an abort); the name of each file is printed first.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    if (!fs::is_directory(argv[i], error)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(argv[i]))
      if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) {
      std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
      return 1;
    }
    std::fprintf(stderr, "%s\n", file.string().c_str());
    std::fflush(stderr);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", files.size());
  return 0;
}
