#include "suggest/SymbolIndex.h"

#include <algorithm>
#include <string>

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

  // Keys run to the highest one, not only below the symbol count: a table
  // with a gap (no symbol 1, say) would otherwise leave its last symbols out,
  // and a word spelled with them would lose them.
  int64_t highestKey = 0;
  for (const auto& item : table) highestKey = std::max<int64_t>(highestKey, item.Label());
  const int64_t endKey = std::max<int64_t>(static_cast<int64_t>(table.NumSymbols()), highestKey + 1);

  int32_t maxSpan = 1;
  for (int64_t key = 2; key < endKey; ++key) {
    const std::string text = table.Find(key);
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
