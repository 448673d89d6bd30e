#pragma once

#include <string_view>

// The names by which the settings program reaches the input method's
// candidate windows: their window class, and the registered message that
// announces a new theme.
struct CandidateWindowNames {
  static constexpr std::u16string_view windowClass{u"LutemIME.CandidateWindow"};
  static constexpr std::u16string_view themeUpdateMessage{u"LutemNativeThemeUpdateMsg"};
};
