#pragma once

#include <string>
#include <string_view>

// The theme file of both deliverables: "themes.dov" in the "UI" folder of
// the installation root, JSON text in UTF-8 keyed by theme id.

// rootDir followed by "\UI\themes.dov", as stored (no separator check).
std::u16string ThemeFilePath(std::u16string_view rootDir);

// The file's bytes as the runtime's text mode reads them (CR LF as LF, a
// byte 0x1A ends the input), opened through the wide path. False when it
// cannot be opened.
bool ReadThemeFile(const std::u16string& path, std::string* text);
