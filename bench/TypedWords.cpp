#include "TypedWords.h"

#include <fstream>

const std::vector<TypedWord>& TypedWords() {
  static const std::vector<TypedWord> words = [] {
    std::vector<TypedWord> list;
    std::ifstream in(LUTEM_TYPED_WORDS);
    std::string line;
    while (std::getline(in, line)) {
      const size_t tab = line.find('\t');
      if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
      list.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return list;
  }();
  return words;
}
