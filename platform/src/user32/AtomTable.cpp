#include "user32/AtomTable.h"

#include "common/HostText.h"

namespace platform {

AtomTable& AtomTable::Instance() {
  static AtomTable* table = new AtomTable;  // atoms live as long as the process
  return *table;
}

ATOM AtomTable::Add(std::u16string_view name) {
  if (name.empty()) return 0;
  std::u16string folded = FoldCase(name);
  std::lock_guard<std::mutex> hold(lock_);
  auto found = byFoldedName_.find(folded);
  if (found != byFoldedName_.end()) return found->second;
  if (names_.size() > kLast - kFirst) return 0;
  ATOM atom = static_cast<ATOM>(kFirst + names_.size());
  names_.emplace_back(name);
  byFoldedName_.emplace(std::move(folded), atom);
  return atom;
}

ATOM AtomTable::Find(std::u16string_view name) {
  std::u16string folded = FoldCase(name);
  std::lock_guard<std::mutex> hold(lock_);
  auto found = byFoldedName_.find(folded);
  return found == byFoldedName_.end() ? 0 : found->second;
}

std::u16string AtomTable::NameOf(ATOM atom) {
  std::lock_guard<std::mutex> hold(lock_);
  if (atom < kFirst || atom - kFirst >= names_.size()) return {};
  return names_[atom - kFirst];
}

}  // namespace platform
