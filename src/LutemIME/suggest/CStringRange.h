#pragma once

#include <cstdint>
#include <string_view>

#include "Platform.h"

// A view of UTF-16 text that it does not own: the key buffer handed to the
// conversion, the composition text.
struct CStringRange {
  uint64_t length = 0;
  const WCHAR* text = nullptr;

  std::u16string_view View() const {
    return text == nullptr ? std::u16string_view() : std::u16string_view(AsChar16(text), length);
  }
};
