#pragma once

#include <cstdint>

// The six colours of the candidate window, each 0xAARRGGBB. A new record holds
// the default theme ("lutem_light"); the input method and the settings
// program both start from it before a theme file's values are applied.
struct ThemeColors {
  static constexpr uint32_t kDefaultWindowBackground = 0xFFF2F2F7;
  static constexpr uint32_t kDefaultBorder = 0xFFD1D1D6;
  static constexpr uint32_t kDefaultText = 0xFF000000;
  static constexpr uint32_t kDefaultHighlightBackground = 0xFF007AFF;
  static constexpr uint32_t kDefaultHighlightText = 0xFFFFFFFF;
  static constexpr uint32_t kDefaultSelectionBar = 0xFFE87A56;

  uint32_t windowBackground = kDefaultWindowBackground;
  uint32_t border = kDefaultBorder;
  uint32_t text = kDefaultText;
  uint32_t highlightBackground = kDefaultHighlightBackground;
  uint32_t highlightText = kDefaultHighlightText;
  uint32_t selectionBar = kDefaultSelectionBar;

  bool operator==(const ThemeColors& other) const {
    return windowBackground == other.windowBackground && border == other.border &&
           text == other.text && highlightBackground == other.highlightBackground &&
           highlightText == other.highlightText && selectionBar == other.selectionBar;
  }
  bool operator!=(const ThemeColors& other) const { return !(*this == other); }
};
