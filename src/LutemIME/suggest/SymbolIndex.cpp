#include "suggest/SymbolIndex.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// Pieces of one symbol's text: tokens between runs of separator bytes, each
// looked up in the table (-1 for a token that is no symbol, which can then
// never be matched).
LabelList SplitIntoPieces(const fst::SymbolTable& table, const std::string& text, const std::string& separator) {
  LabelList pieces;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t start = separator.empty() ? pos : text.find_first_not_of(separator, pos);
    if (start == std::string::npos) break;
    size_t end = separator.empty() ? std::string::npos : text.find_first_of(separator, start);
    if (end == std::string::npos) end = text.size();
    pieces.push_back(static_cast<int32_t>(table.Find(text.substr(start, end - start))));
    pos = end;
  }
  return pieces;
}

}  // namespace

int32_t BuildSymbolIndex(const fst::SymbolTable& table, LabelPiecesMap& labelToPieces,
                         PiecesLabelMap& piecesToLabel) {
  const std::string separator = table.Find(int64_t{1});
  if (table.NumSymbols() <= 2) return 1;

  // The table's own entries, from key 2 up: a key with no symbol has nothing
  // to index, and walking every number up to the highest key would let one
  // damaged key (10,000,000, say) cost seconds and gigabytes. Ascending, so
  // that of several keys with the same pieces the lowest wins.
  std::vector<std::pair<int64_t, std::string>> entries;
  entries.reserve(table.NumSymbols());
  for (const auto& item : table) {
    // Labels are 32 bits wide: a larger key can never be on an arc.
    if (item.Label() >= 2 && item.Label() <= std::numeric_limits<int32_t>::max())
      entries.emplace_back(item.Label(), item.Symbol());
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });

  int32_t maxSpan = 1;
  for (const auto& [key, text] : entries) {
    LabelList pieces;
    if (separator.size() > text.size() || (!separator.empty() && text.find(separator) == std::string::npos)) {
      pieces.push_back(static_cast<int32_t>(key));
    } else {
      pieces = SplitIntoPieces(table, text, separator);
    }
    labelToPieces.emplace(static_cast<int32_t>(key), pieces);
    if (static_cast<int32_t>(pieces.size()) > maxSpan) maxSpan = static_cast<int32_t>(pieces.size());
    piecesToLabel.emplace(std::move(pieces), static_cast<int32_t>(key));
  }
  return maxSpan;
}
