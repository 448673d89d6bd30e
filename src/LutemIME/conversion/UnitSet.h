#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// A set of 16-bit code units, one bit each, for what a text may hold. Units
// above 0xFFFF, which no UTF-16 text holds, are never in it.
class UnitSet {
 public:
  void Add(wchar_t u) {
    if (Fits(u)) bits_[Index(u) >> 6] |= uint64_t{1} << (Index(u) & 63);
  }
  void Add(std::wstring_view units) {
    for (wchar_t u : units) Add(u);
  }
  bool Has(wchar_t u) const { return Fits(u) && ((bits_[Index(u) >> 6] >> (Index(u) & 63)) & 1) != 0; }
  bool HasAll(std::wstring_view units) const {
    for (wchar_t u : units)
      if (!Has(u)) return false;
    return true;
  }
  bool HasAny(std::wstring_view units) const {
    for (wchar_t u : units)
      if (Has(u)) return true;
    return false;
  }

 private:
  static bool Fits(wchar_t u) { return static_cast<unsigned long>(u) <= 0xFFFF; }
  static size_t Index(wchar_t u) { return static_cast<size_t>(u); }

  std::array<uint64_t, 0x10000 / 64> bits_{};
};
