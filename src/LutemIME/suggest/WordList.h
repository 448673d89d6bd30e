#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

// A word list as lutem-dict-build reads it: UTF-8, one word a line.
// - a line ends at LF; a CR before it (CRLF files) and spaces and tabs around
//   the word are dropped, and so is a UTF-8 byte-order mark on the first line;
// - a line left empty is skipped (counted in blankLines);
// - a repeat of an earlier word is skipped (counted in duplicates);
// - a line that is not well-formed UTF-8 (overlong forms, surrogates and code
//   points past U+10FFFF included) or holds a NUL byte is skipped, and its
//   1-based number kept in invalidLines, so that the tool can name it.
struct WordList {
  std::vector<std::string> words;  // in the order of their first line
  size_t lines = 0;
  size_t blankLines = 0;
  size_t duplicates = 0;
  std::vector<size_t> invalidLines;
};

WordList ReadWordList(std::istream& in);
