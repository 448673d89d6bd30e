#pragma once

#include <cstdint>
#include <string>

// A near match of the fallback search: a dictionary word and its byte edit
// distance to the query (0 to 3).
struct FuzzyMatch {
  std::string word;
  int32_t distance = 0;
};

// Shorter words first; words of one length are equal in this order.
inline bool WordLengthLess(const std::string& a, const std::string& b) {
  return a.size() < b.size();
}

// Nearer first, then by unsigned bytes (a proper prefix first); dictionary
// keys are distinct, so no two matches are equal.
inline bool FuzzyMatchLess(const FuzzyMatch& a, const FuzzyMatch& b) {
  if (a.distance != b.distance) return a.distance < b.distance;
  return a.word < b.word;  // char_traits<char> compares as unsigned char
}
