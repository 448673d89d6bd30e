#include "riched20/RtfText.h"

#include <cstdlib>
#include <set>
#include <vector>

namespace riched20 {
namespace {

struct GroupState {
  bool skip = false;
  int fallbackUnits = 1;  // \ucN
};

const std::set<std::string>& SkippedDestinations() {
  static const std::set<std::string> names = {"fonttbl",    "colortbl",
                                              "stylesheet", "info",
                                              "pict",       "object",
                                              "header",     "footer",
                                              "headerl",    "headerr",
                                              "footerl",    "footerr",
                                              "listtable",  "listoverridetable",
                                              "rsidtbl",    "latentstyles",
                                              "themedata",  "datastore",
                                              "xmlnstbl",   "filetbl",
                                              "fldinst",    "generator"};
  return names;
}

char16_t SpecialCharacter(const std::string& word) {
  if (word == "emdash") return u'\u2014';
  if (word == "endash") return u'\u2013';
  if (word == "lquote") return u'\u2018';
  if (word == "rquote") return u'\u2019';
  if (word == "ldblquote") return u'\u201C';
  if (word == "rdblquote") return u'\u201D';
  if (word == "bullet") return u'\u2022';
  if (word == "tab") return u'\t';
  if (word == "line") return u'\v';
  if (word == "par") return u'\r';
  return 0;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

char16_t RtfText::FromWindows1252(unsigned char byte) {
  static const char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : static_cast<char16_t>(byte);
}

std::u16string RtfText::Of(const std::string& rtf) {
  std::u16string text;
  std::vector<GroupState> groups{GroupState{}};
  int skipFallback = 0;  // fallback characters still to drop after \uN
  bool groupStart = false;
  auto emit = [&](char16_t c) {
    if (groups.back().skip) return;
    if (skipFallback > 0) {
      --skipFallback;
      return;
    }
    text += c;
  };
  size_t i = 0;
  while (i < rtf.size()) {
    char c = rtf[i];
    if (c == '{') {
      groups.push_back(groups.back());
      groupStart = true;
      ++i;
      continue;
    }
    if (c == '}') {
      if (groups.size() > 1) groups.pop_back();
      groupStart = false;
      skipFallback = 0;
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      emit(FromWindows1252(static_cast<unsigned char>(c)));
      groupStart = false;
      ++i;
      continue;
    }
    // A control symbol or word.
    ++i;
    if (i >= rtf.size()) break;
    char next = rtf[i];
    bool atGroupStart = groupStart;
    groupStart = false;
    if (!IsLetter(next)) {
      ++i;
      switch (next) {
        case '\\':
        case '{':
        case '}':
          emit(static_cast<char16_t>(next));
          break;
        case '~':
          emit(u'\u00A0');
          break;
        case '_':
          emit(u'\u2011');
          break;
        case '\r':
        case '\n':
          emit(u'\r');
          break;
        case '*':
          if (atGroupStart) groups.back().skip = true;
          break;
        case '\'': {
          int high = i < rtf.size() ? HexValue(rtf[i]) : -1;
          int low = i + 1 < rtf.size() ? HexValue(rtf[i + 1]) : -1;
          if (high >= 0 && low >= 0) {
            i += 2;
            emit(FromWindows1252(static_cast<unsigned char>(high * 16 + low)));
          }
          break;
        }
        default:
          break;  // \- and the rest show nothing
      }
      continue;
    }
    std::string word;
    while (i < rtf.size() && IsLetter(rtf[i])) word += rtf[i++];
    bool hasNumber = false;
    long number = 0;
    size_t start = i;
    if (i < rtf.size() && (rtf[i] == '-' || (rtf[i] >= '0' && rtf[i] <= '9'))) {
      ++i;
      while (i < rtf.size() && rtf[i] >= '0' && rtf[i] <= '9') ++i;
      number = std::strtol(rtf.substr(start, i - start).c_str(), nullptr, 10);
      hasNumber = true;
    }
    if (i < rtf.size() && rtf[i] == ' ') ++i;  // the delimiter belongs to the word
    if (atGroupStart && SkippedDestinations().count(word) > 0) {
      groups.back().skip = true;
    } else if (word == "uc" && hasNumber) {
      groups.back().fallbackUnits = static_cast<int>(number);
    } else if (word == "u" && hasNumber) {
      emit(static_cast<char16_t>(static_cast<uint16_t>(static_cast<int16_t>(number))));
      skipFallback = groups.back().fallbackUnits;
    } else if (char16_t special = SpecialCharacter(word)) {
      emit(special);
    }
  }
  return text;
}

}  // namespace riched20
