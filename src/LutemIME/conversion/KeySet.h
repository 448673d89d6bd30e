#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RuleMap;

// The set of every key of a scheme's tables, kept as a byte trie so that the
// tokenizer finds the longest key at a position in one walk, without hashing
// every candidate length. Each key gets a dense id (in insertion order) that
// the scheme uses to find the key's rules without another look-up.
class KeySet {
 public:
  static constexpr int32_t kNoKey = -1;

  KeySet();

  // Adds key (never empty); returns its id, the existing one for a repeat.
  int32_t Insert(std::string_view key);
  // Adds every key of map; returns the length of its longest key.
  size_t InsertAll(const RuleMap& map);
  // The id of key, or kNoKey.
  int32_t Find(std::string_view key) const;
  bool Contains(std::string_view key) const { return Find(key) != kNoKey; }
  size_t size() const { return keyCount_; }
  void Clear();

  // Length of the longest key that starts at text[pos] and is at most
  // maxLength bytes long, 0 when none does; *id receives that key's id.
  size_t LongestMatch(std::string_view text, size_t pos, size_t maxLength, int32_t* id) const;

  // Greedy longest-key split from the left; a byte that starts no key is a
  // token of its own, so the tokens always join back to the text.
  std::vector<std::string> Tokenize(std::string_view text, size_t maxLength) const;

 private:
  static constexpr uint32_t kNoNode = UINT32_MAX;

  uint32_t Child(uint32_t node, unsigned char byte) const;
  uint32_t AddChild(uint32_t node, unsigned char byte);
  void Grow();

  // Edges live in one open-addressing table keyed by (node, byte).
  struct Edge {
    uint32_t key = kNoNode;  // node * 256 + byte
    uint32_t child = kNoNode;
  };
  std::vector<Edge> edges_;
  size_t edgeCount_ = 0;
  // The root and its children also keep their ASCII edges in rows of 128
  // (row 0 the root's): almost every token is one to three bytes long, so a
  // walk mostly indexes instead of probing. rowOf_[node] is -1 for a deeper
  // node, which keeps only its table edges.
  static constexpr size_t kRowWidth = 128;
  std::vector<int32_t> rowOf_;
  std::vector<uint32_t> rows_;
  std::vector<int32_t> nodeKey_;  // key id ending at each node, or kNoKey
  size_t keyCount_ = 0;
};
