#include "conversion/LiteralRuleGroup.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

// Keeps every index of the group within 16 bits.
constexpr size_t kMaxRules = 4096;
constexpr size_t kBlock = 256;
constexpr wchar_t kLastUnit = 0xFFFF;

bool Shares(const std::wstring& a, const std::wstring& b) {
  return std::any_of(a.begin(), a.end(), [&b](wchar_t u) { return b.find(u) != std::wstring::npos; });
}

// An occurrence of later at x and one of earlier at x + d, 0 < d < |later|,
// agree on the units they share.
bool StartsBeforeAndOverlaps(const std::wstring& later, const std::wstring& earlier) {
  for (size_t d = 1; d < later.size(); ++d) {
    const size_t shared = std::min(later.size() - d, earlier.size());
    if (later.compare(d, shared, earlier, 0, shared) == 0) return true;
  }
  return false;
}

}  // namespace

bool LiteralRuleGroup::Fits(const std::vector<LiteralRewrite>& group, const LiteralRewrite& rule) {
  if (rule.find.empty() || group.size() >= kMaxRules) return false;
  for (wchar_t u : rule.find)
    if (static_cast<unsigned long>(u) > kLastUnit) return false;
  for (const LiteralRewrite& earlier : group) {
    if (StartsBeforeAndOverlaps(rule.find, earlier.find)) return false;
    if (Shares(rule.find, earlier.write)) return false;
    if (earlier.write.empty() && rule.find.size() > 1) return false;
  }
  return true;
}

LiteralRuleGroup::LiteralRuleGroup(std::vector<LiteralRewrite> rules) : size_(rules.size()) {
  std::map<wchar_t, std::vector<const LiteralRewrite*>> byFirst;
  for (const LiteralRewrite& rule : rules) {
    byFirst[rule.find.front()].push_back(&rule);
    growth_ = std::max(growth_, (rule.write.size() + rule.find.size() - 1) / rule.find.size());
  }
  auto place = [this](const std::wstring& units) {
    const uint32_t at = static_cast<uint32_t>(units_.size());
    units_ += units;
    return at;
  };
  if (!byFirst.empty()) {
    lowestFirst_ = static_cast<uint32_t>(byFirst.begin()->first);
    firstSpan_ = static_cast<uint32_t>(byFirst.rbegin()->first) - lowestFirst_;
    firstBits_.assign(firstSpan_ / 64 + 1, 0);
    for (const auto& entry : byFirst) {
      const uint32_t bit = static_cast<uint32_t>(entry.first) - lowestFirst_;
      firstBits_[bit >> 6] |= uint64_t{1} << (bit & 63);
    }
  }
  blocks_.assign(kBlock, 0);
  for (const auto& [unit, group] : byFirst) {
    uint16_t& block = top_[static_cast<size_t>(unit) >> 8];
    if (block == 0) {
      block = static_cast<uint16_t>(blocks_.size() / kBlock);
      blocks_.resize(blocks_.size() + kBlock, 0);
    }
    heads_.push_back({static_cast<uint16_t>(entries_.size()),
                      static_cast<uint16_t>(entries_.size() + group.size())});
    for (const LiteralRewrite* rule : group)
      entries_.push_back({place(rule->find), static_cast<uint32_t>(rule->find.size()),
                          place(rule->write), static_cast<uint32_t>(rule->write.size())});
    blocks_[block * kBlock + (static_cast<size_t>(unit) & 0xFF)] = static_cast<uint16_t>(heads_.size());
  }
}

bool LiteralRuleGroup::Rewrite(const std::wstring& text, std::wstring& out) const {
  if (firstBits_.empty()) return false;  // a group of no rule
  const wchar_t* const first = text.data();
  const wchar_t* const last = first + text.size();
  const wchar_t* const units = units_.data();
  const uint16_t* const top = top_.data();
  const uint16_t* const blocks = blocks_.data();
  const Head* const heads = heads_.data();
  const Entry* const entries = entries_.data();
  const uint64_t* const firstBits = firstBits_.data();
  const uint32_t lowest = lowestFirst_;
  const uint32_t span = firstSpan_;
  const wchar_t* done = first;  // text before this is written, or replaced
  wchar_t* to = nullptr;        // where the result goes on, once a rule matched
  for (const wchar_t* at = first; at < last;) {
    const uint32_t unit = static_cast<uint32_t>(*at);
    const uint32_t bit = unit - lowest;
    if (bit > span || ((firstBits[bit >> 6] >> (bit & 63)) & 1) == 0) {
      ++at;
      continue;
    }
    const uint16_t head = blocks[(static_cast<size_t>(top[unit >> 8]) << 8) | (unit & 0xFF)];
    if (head == 0) {
      ++at;
      continue;
    }
    const Entry* hit = nullptr;
    const size_t left = static_cast<size_t>(last - at);
    for (const Entry* entry = entries + heads[head - 1].begin; entry != entries + heads[head - 1].end;
         ++entry) {
      if (entry->findLength > left) continue;
      size_t same = 1;  // the first unit is the head's
      while (same < entry->findLength && at[same] == units[entry->find + same]) ++same;
      if (same == entry->findLength) {
        hit = entry;
        break;
      }
    }
    if (hit == nullptr) {
      ++at;
      continue;
    }
    if (to == nullptr) {
      // Sized once for the longest result, so that writing needs no checks.
      out.resize(text.size() * growth_);
      to = &out[0];
    }
    to = std::copy(done, at, to);
    for (uint32_t k = 0; k < hit->writeLength; ++k) *to++ = units[hit->write + k];
    at += hit->findLength;
    done = at;
  }
  if (to == nullptr) return false;
  to = std::copy(done, last, to);
  out.resize(static_cast<size_t>(to - out.data()));
  return true;
}
