#include "conversion/KeySet.h"

#include "conversion/RuleMap.h"

namespace {
inline uint32_t Slot(uint32_t key, size_t mask) {
  return static_cast<uint32_t>((key * 2654435761u) & mask);
}
}  // namespace

KeySet::KeySet() { Clear(); }

void KeySet::Clear() {
  edges_.assign(64, Edge{});
  edgeCount_ = 0;
  nodeKey_.assign(1, kNoKey);
  keyCount_ = 0;
  rowOf_.assign(1, 0);
  rows_.assign(kRowWidth, kNoNode);
}

uint32_t KeySet::Child(uint32_t node, unsigned char byte) const {
  const int32_t row = rowOf_[node];
  if (row >= 0 && byte < kRowWidth) return rows_[static_cast<size_t>(row) * kRowWidth + byte];
  uint32_t key = node * 256 + byte;
  size_t mask = edges_.size() - 1;
  for (uint32_t s = Slot(key, mask);; s = (s + 1) & mask) {
    const Edge& e = edges_[s];
    if (e.key == key) return e.child;
    if (e.key == kNoNode) return kNoNode;
  }
}

void KeySet::Grow() {
  std::vector<Edge> old;
  old.swap(edges_);
  edges_.assign(old.size() * 2, Edge{});
  size_t mask = edges_.size() - 1;
  for (const Edge& e : old) {
    if (e.key == kNoNode) continue;
    uint32_t s = Slot(e.key, mask);
    while (edges_[s].key != kNoNode) s = (s + 1) & mask;
    edges_[s] = e;
  }
}

uint32_t KeySet::AddChild(uint32_t node, unsigned char byte) {
  uint32_t existing = Child(node, byte);
  if (existing != kNoNode) return existing;
  if ((edgeCount_ + 1) * 2 > edges_.size()) Grow();
  uint32_t child = static_cast<uint32_t>(nodeKey_.size());
  nodeKey_.push_back(kNoKey);
  if (node == 0) {
    rowOf_.push_back(static_cast<int32_t>(rows_.size() / kRowWidth));
    rows_.resize(rows_.size() + kRowWidth, kNoNode);
  } else {
    rowOf_.push_back(-1);
  }
  if (const int32_t row = rowOf_[node]; row >= 0 && byte < kRowWidth)
    rows_[static_cast<size_t>(row) * kRowWidth + byte] = child;
  uint32_t key = node * 256 + byte;
  size_t mask = edges_.size() - 1;
  uint32_t s = Slot(key, mask);
  while (edges_[s].key != kNoNode) s = (s + 1) & mask;
  edges_[s] = Edge{key, child};
  ++edgeCount_;
  return child;
}

int32_t KeySet::Insert(std::string_view key) {
  uint32_t node = 0;
  for (unsigned char b : key) node = AddChild(node, b);
  if (nodeKey_[node] == kNoKey) nodeKey_[node] = static_cast<int32_t>(keyCount_++);
  return nodeKey_[node];
}

size_t KeySet::InsertAll(const RuleMap& map) {
  size_t longest = 0;
  map.ForEachKey([&](const std::string& key) {
    Insert(key);
    if (key.size() > longest) longest = key.size();
  });
  return longest;
}

int32_t KeySet::Find(std::string_view key) const {
  if (key.empty()) return kNoKey;
  uint32_t node = 0;
  for (unsigned char b : key) {
    node = Child(node, b);
    if (node == kNoNode) return kNoKey;
  }
  return nodeKey_[node];
}

size_t KeySet::LongestMatch(std::string_view text, size_t pos, size_t maxLength,
                            int32_t* id) const {
  size_t best = 0;
  *id = kNoKey;
  uint32_t node = 0;
  size_t end = pos + maxLength < text.size() ? pos + maxLength : text.size();
  for (size_t i = pos; i < end; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int32_t row = rowOf_[node];
    node = row >= 0 && byte < kRowWidth ? rows_[static_cast<size_t>(row) * kRowWidth + byte]
                                        : Child(node, byte);
    if (node == kNoNode) break;
    if (nodeKey_[node] != kNoKey) {
      best = i - pos + 1;
      *id = nodeKey_[node];
    }
  }
  return best;
}

std::vector<std::string> KeySet::Tokenize(std::string_view text, size_t maxLength) const {
  std::vector<std::string> tokens;
  for (size_t p = 0; p < text.size();) {
    int32_t id;
    size_t length = LongestMatch(text, p, maxLength, &id);
    if (length == 0) length = 1;
    tokens.emplace_back(text.substr(p, length));
    p += length;
  }
  return tokens;
}
