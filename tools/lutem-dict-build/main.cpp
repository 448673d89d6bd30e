// Builds a word-dictionary file from a word list (UTF-8, one word a line):
//   lutem-dict-build WORDLIST OUTPUT      ("-" as WORDLIST reads standard input)
// Blank lines and repeats are skipped; a line that is not UTF-8 is skipped
// with a warning that names it. The output is written beside its final name
// and renamed into place, so an existing dictionary survives a failed build.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "suggest/ReadWordTrie.h"
#include "suggest/WordDictionaryBuilder.h"
#include "suggest/WordList.h"

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: lutem-dict-build WORDLIST OUTPUT\n"
               "  Makes a word dictionary from WORDLIST (UTF-8, one word a line; \"-\" for\n"
               "  standard input). Blank lines and repeated words are skipped, and so is\n"
               "  every line that is not valid UTF-8 (each one is named on standard error).\n");
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    Usage();
    return 0;
  }
  if (argc != 3) {
    Usage();
    return 2;
  }
  const std::string input = argv[1];
  const std::string output = argv[2];
  const std::string inputName = input == "-" ? "standard input" : input;

  WordList list;
  if (input == "-") {
    list = ReadWordList(std::cin);
  } else {
    std::ifstream in(input, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "lutem-dict-build: cannot open '%s'\n", input.c_str());
      return 1;
    }
    list = ReadWordList(in);
    if (in.bad()) {
      std::fprintf(stderr, "lutem-dict-build: cannot read '%s'\n", input.c_str());
      return 1;
    }
  }
  for (size_t line : list.invalidLines)
    std::fprintf(stderr, "lutem-dict-build: %s:%zu: not valid UTF-8, skipped\n", inputName.c_str(), line);
  if (list.words.empty()) {
    std::fprintf(stderr, "lutem-dict-build: no words in %s\n", inputName.c_str());
    return 1;
  }

  std::string bytes;
  try {
    bytes = BuildWordDictionary(list.words);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lutem-dict-build: %s\n", e.what());
    return 1;
  }
  const std::string temporary = output + ".tmp";
  if (!WriteFile(temporary, bytes)) {
    std::fprintf(stderr, "lutem-dict-build: cannot write '%s'\n", temporary.c_str());
    std::remove(temporary.c_str());
    return 1;
  }
  // Read back through the input method's own reader before it replaces anything.
  auto check = LoadWordTrieFile(temporary);
  if (!check || check->size() != list.words.size()) {
    std::fprintf(stderr, "lutem-dict-build: '%s' does not read back\n", temporary.c_str());
    std::remove(temporary.c_str());
    return 1;
  }
  if (std::rename(temporary.c_str(), output.c_str()) != 0) {
    std::fprintf(stderr, "lutem-dict-build: cannot rename to '%s'\n", output.c_str());
    std::remove(temporary.c_str());
    return 1;
  }
  std::printf("%zu words -> %s (%zu bytes; %zu lines: %zu blank, %zu repeated, %zu invalid)\n",
              list.words.size(), output.c_str(), bytes.size(), list.lines, list.blankLines,
              list.duplicates, list.invalidLines.size());
  return 0;
}
