#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <boost/regex.hpp>

// A Perl format string made only of plain characters and group references
// ("$1", "$12", "\1"), split once into its pieces, so that writing a match
// does not parse the format again. That is the whole of what Boost's format
// does with such a string: it writes every character other than '$' and '\'
// unchanged, "$" followed by digits the group of that number and "\"
// followed by one digit from 1 to 9 that group, a group that did not take
// part (or that the pattern does not have) as nothing. Any other format is
// left to Boost.
class MatchFormat {
 public:
  // Nothing for a format outside that subset.
  static std::optional<MatchFormat> Read(std::u16string_view format);

  // Every unit the format writes besides the groups.
  std::wstring Literals() const {
    std::wstring units;
    for (const Piece& piece : pieces_) units += piece.text;
    return units;
  }

  template <typename Match>
  void Write(const Match& match, std::wstring& out) const {
    for (const Piece& piece : pieces_) {
      if (piece.group < 0) {
        out += piece.text;
      } else if (static_cast<size_t>(piece.group) < match.size() && match[piece.group].matched) {
        out.append(match[piece.group].first, match[piece.group].second);
      }
    }
  }

 private:
  struct Piece {
    std::wstring text;
    int group = -1;  // -1: the text
  };

  std::vector<Piece> pieces_;
};
