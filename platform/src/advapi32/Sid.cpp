#include "advapi32/Sid.h"

#include <cstring>

namespace platform {

namespace {

bool ParseNumber(const std::string& text, size_t& at, uint64_t limit, uint64_t& value) {
  size_t start = at;
  value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + static_cast<uint64_t>(text[at] - '0');
    if (value > limit) return false;
    ++at;
  }
  return at > start;
}

}  // namespace

std::vector<BYTE> SidFromString(const std::string& text) {
  if (text.rfind("S-", 0) != 0) return {};
  size_t at = 2;
  uint64_t revision = 0, authority = 0;
  if (!ParseNumber(text, at, 255, revision) || revision != SID_REVISION) return {};
  if (at >= text.size() || text[at++] != '-') return {};
  if (!ParseNumber(text, at, 0xFFFFFFFFFFFFull, authority)) return {};
  std::vector<DWORD> subAuthorities;
  while (at < text.size()) {
    uint64_t value = 0;
    if (text[at++] != '-' || !ParseNumber(text, at, 0xFFFFFFFFull, value)) return {};
    subAuthorities.push_back(static_cast<DWORD>(value));
  }
  if (subAuthorities.size() > SID_MAX_SUB_AUTHORITIES) return {};
  std::vector<BYTE> sid(8 + 4 * subAuthorities.size());
  sid[0] = SID_REVISION;
  sid[1] = static_cast<BYTE>(subAuthorities.size());
  for (int i = 0; i < 6; ++i) sid[2 + i] = static_cast<BYTE>(authority >> (8 * (5 - i)));
  std::memcpy(sid.data() + 8, subAuthorities.data(), 4 * subAuthorities.size());
  return sid;
}

std::string SidToString(const SID* sid) {
  uint64_t authority = 0;
  for (int i = 0; i < 6; ++i) authority = (authority << 8) | sid->IdentifierAuthority.Value[i];
  std::string text = "S-" + std::to_string(sid->Revision) + "-" + std::to_string(authority);
  const BYTE* subAuthorities = reinterpret_cast<const BYTE*>(sid) + 8;
  for (BYTE i = 0; i < sid->SubAuthorityCount; ++i) {
    DWORD value = 0;
    std::memcpy(&value, subAuthorities + 4 * i, 4);
    text += "-" + std::to_string(value);
  }
  return text;
}

}  // namespace platform
