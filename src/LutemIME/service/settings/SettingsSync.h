#pragma once

#include <cstdint>

// The process-wide settings and the settings server: the load at every
// activation, the refresh from the language bar, and the menu's setters.
// All run on UI threads and never fail outward: without a server the load
// keeps the defaults, the refresh changes nothing and a setter keeps its
// value in memory only.

// Resets every setting to its default, then applies the server's "LOAD_ALL".
void LoadSettings();
// Applies the server's "LOAD_ALL" over the current values ("SaveCandidates"
// excepted); no defaults.
void RefreshSettingsFromServer();

void SetSmartCorrection(uint32_t value);
void SetCandidateWindow(uint32_t value);
void SetCurrentLayout(int32_t value);
void SetCurrentEncoding(int32_t value);
