// Resource bytes written field by field, little-endian, as a resource
// compiler lays them out.
#pragma once

#include <string_view>
#include <vector>

#include "Platform.h"

namespace testresources {

struct Bytes {
  std::vector<BYTE> data;
  void Word(WORD w) {
    data.push_back(static_cast<BYTE>(w));
    data.push_back(static_cast<BYTE>(w >> 8));
  }
  void Dword(DWORD d) {
    Word(static_cast<WORD>(d));
    Word(static_cast<WORD>(d >> 16));
  }
  void Text(std::u16string_view text) {
    for (char16_t c : text) Word(c);
    Word(0);
  }
  void Align() {
    while (data.size() % 4 != 0) data.push_back(0);
  }
};

}  // namespace testresources
