#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The units a text may hold, as bits of a small table: a unit sets its bit,
// and a unit whose bit is clear is certainly not there (two units may share
// a bit, so a set bit says only "maybe"). Units below 0x1000, the Latin and
// Bengali blocks among them, have bits of their own.
class UnitSet {
 public:
  void Add(wchar_t u) { bits_[Bit(u) >> 6] |= uint64_t{1} << (Bit(u) & 63); }
  void Add(std::wstring_view units) {
    for (wchar_t u : units) Add(u);
  }
  bool MayHave(wchar_t u) const { return ((bits_[Bit(u) >> 6] >> (Bit(u) & 63)) & 1) != 0; }
  bool MayHaveAll(std::wstring_view units) const {
    for (wchar_t u : units)
      if (!MayHave(u)) return false;
    return true;
  }
  bool MayHaveAny(std::wstring_view units) const {
    for (wchar_t u : units)
      if (MayHave(u)) return true;
    return false;
  }

 private:
  static constexpr uint32_t kBits = 4096;

  static uint32_t Bit(wchar_t u) {
    const uint32_t unit = static_cast<uint32_t>(u);
    return (unit ^ ((unit >> 12) * 0x9E3u)) & (kBits - 1);
  }

  std::array<uint64_t, kBits / 64> bits_{};
};
