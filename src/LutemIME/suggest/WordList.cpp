#include "suggest/WordList.h"

#include <utf8.h>

#include <unordered_set>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

WordList ReadWordList(std::istream& in) {
  WordList list;
  std::unordered_set<std::string> seen;
  std::string line;
  while (std::getline(in, line)) {
    ++list.lines;
    if (list.lines == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && IsBlank(line[begin])) ++begin;
    while (end > begin && IsBlank(line[end - 1])) --end;
    if (begin == end) {
      ++list.blankLines;
      continue;
    }
    std::string word = line.substr(begin, end - begin);
    if (word.find('\0') != std::string::npos || !utf8::is_valid(word.begin(), word.end())) {
      list.invalidLines.push_back(list.lines);
      continue;
    }
    if (!seen.insert(word).second) {
      ++list.duplicates;
      continue;
    }
    list.words.push_back(std::move(word));
  }
  return list;
}
