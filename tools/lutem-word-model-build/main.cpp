// Builds the language model of a word list: every word reachable from the
// keys a user of Lutem Phonetic types for it, words that a list of written
// Bengali also holds costing less. Writes the enciphered "Lutem_LM.bin".
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <unordered_set>
#include <vector>

#include "conversion/PhoneticTableRows.h"
#include "modelbuild/SpellingTable.h"
#include "modelbuild/WordModelBuilder.h"
#include "modelbuild/WordPriors.h"

namespace {

void Usage(std::FILE* to) {
  std::fprintf(to,
               "usage: lutem-word-model-build WORDS LISTED MODEL\n"
               "  WORDS: the words of the model, one a line (\"-\": standard input).\n"
               "  LISTED: words of current written Bengali, one a line; a word of WORDS\n"
               "  that stands there costs less. No word of LISTED enters the model.\n"
               "  MODEL: the enciphered language-model file to write.\n");
}

bool ReadLines(std::istream& in, const std::function<void(std::string)>& take) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) take(std::move(line));
  }
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    Usage(stdout);
    return 0;
  }
  if (argc != 4) {
    Usage(stderr);
    return 2;
  }
  std::unordered_set<std::string> listed;
  std::ifstream listedFile(argv[2], std::ios::binary);
  if (!listedFile || !ReadLines(listedFile, [&](std::string w) { listed.insert(std::move(w)); })) {
    std::fprintf(stderr, "lutem-word-model-build: cannot read %s\n", argv[2]);
    return 1;
  }
  std::vector<std::string> words;
  const std::string input = argv[1];
  std::ifstream wordFile;
  if (input != "-") wordFile.open(input, std::ios::binary);
  if ((input != "-" && !wordFile) ||
      !ReadLines(input == "-" ? std::cin : wordFile, [&](std::string w) { words.push_back(std::move(w)); })) {
    std::fprintf(stderr, "lutem-word-model-build: cannot read %s\n", input.c_str());
    return 1;
  }
  const SpellingTable table(LutemPhoneticRows());
  const WordPriors priors(std::move(words), listed, table.costs());
  WordModelBuilder builder(table);
  size_t added = 0, inList = 0, unspelled = 0;
  for (size_t i = 0; i < priors.words().size(); ++i) {
    if (builder.AddWord(priors.words()[i], priors.Cost(i))) {
      ++added;
      inList += priors.Listed(i);
    } else {
      ++unspelled;
      std::fprintf(stderr, "lutem-word-model-build: no spelling for %s\n", priors.words()[i].c_str());
    }
  }
  LanguageModelBuilder& model = builder.Finish();
  std::string error;
  const std::string file = model.ModelFile();
  if (!WriteFileBytes(argv[3], file, &error)) {
    std::fprintf(stderr, "lutem-word-model-build: %s\n", error.c_str());
    return 1;
  }
  size_t arcs = 0;
  for (fst::StateIterator<fst::StdVectorFst> s(model.fst()); !s.Done(); s.Next())
    arcs += model.fst().NumArcs(s.Value());
  std::fprintf(stderr,
               "lutem-word-model-build: %zu words (%zu in the written-Bengali list, %zu without a spelling), "
               "%d states, %zu arcs, %zu input and %zu output symbols, %zu bytes\n",
               added, inList, unspelled, model.fst().NumStates(), arcs,
               static_cast<size_t>(model.inputSymbols().NumSymbols()),
               static_cast<size_t>(model.outputSymbols().NumSymbols()), file.size());
  return unspelled == 0 ? 0 : 1;
}
