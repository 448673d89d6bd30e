#pragma once

#include <cstdint>
#include <optional>

#include <nlohmann/json.hpp>

#include "common/ThemeColors.h"

// The input method's theme: the colours of the theme named by the ThemeID
// setting, read from the theme file under the rootDir setting. Runs on the
// UI thread, inside activation and inside a window procedure, so nothing
// here throws or fails outward.

// The record that the candidate windows load when told of a new theme
// ("LutemNativeThemeUpdateMsg"); the defaults until then, and whatever the
// last load left for the life of the process.
extern ThemeColors ThemeUpdateColors;

// A theme that a window loaded for the message is also announced to the text
// services of the process, so that their later lists and windows keep it: the
// colours they read at activation would otherwise come back at the next key.
// Announcements are numbered from 1; several UI threads may announce and
// read at once.
void AnnounceTheme(const ThemeColors& colors);
// What a window does on the message: LoadTheme into ThemeUpdateColors and
// AnnounceTheme of the result, as one step however many UI threads do it at
// once; gives the colours loaded.
ThemeColors LoadAndAnnounceThemeUpdate();
// The number of the newest announcement (0: none yet).
uint64_t LatestThemeAnnouncement();
// When an announcement newer than *seen was made, its colours go to colors,
// *seen becomes its number and the answer is true; otherwise nothing changes.
bool TakeNewerTheme(uint64_t* seen, ThemeColors* colors);

// Fills colors from the theme file. Any failure to read it (no file, a JSON
// syntax error or an empty file, no theme of that id, a theme, "colors" or
// colour element of the wrong type) gives the six defaults. A theme found
// gives its five colours, opaque red for a missing or malformed one, and its
// "selectionBar" when it has one; without it the bar keeps what colors held.
void LoadTheme(ThemeColors& colors);

// A colour value [red, green, blue] as 0xFFRRGGBB (a theme cannot make a
// colour transparent). Anything but an array of exactly three elements is
// opaque red, 0xFFFF0000. Nothing for an element that is not a number or a
// boolean: the whole theme is then unusable.
std::optional<uint32_t> ParseColor(const nlohmann::json& value);

// Asks the settings server for "ThemeID" after a theme change; any reply but
// an empty one or an error becomes the ThemeID setting exactly as received.
void RefreshThemeIdFromServer();
