// Turns a readable language-model description into an enciphered model file
// that the input method loads as "Lutem_LM.bin".
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "modelbuild/ModelDescription.h"

namespace {

void Usage(std::FILE* to) {
  std::fprintf(to,
               "usage: lutem-model-build DESCRIPTION MODEL\n"
               "  Reads the model description DESCRIPTION (\"-\" for standard input) and\n"
               "  writes the enciphered language-model file MODEL.\n\n%s",
               kModelDescriptionHelp);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    Usage(stdout);
    return 0;
  }
  if (argc != 3) {
    Usage(stderr);
    return 2;
  }
  const std::string input = argv[1];
  std::ifstream file;
  if (input != "-") {
    file.open(input, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "lutem-model-build: cannot read %s\n", input.c_str());
      return 1;
    }
  }
  std::string error;
  auto builder = ParseModelDescription(input == "-" ? std::cin : file, &error);
  if (!builder) {
    std::fprintf(stderr, "lutem-model-build: %s: %s\n", input.c_str(), error.c_str());
    return 1;
  }
  if (!WriteFileBytes(argv[2], builder->ModelFile(), &error)) {
    std::fprintf(stderr, "lutem-model-build: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
