#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The settings every text service object of the process shares. Plain
// variables: they are read and written on UI threads only. Their values here
// are those at load; every activation resets them and asks the server.
extern std::u16string rootDir;
extern std::u16string ThemeID;
extern uint32_t SmartCorrection;
extern uint32_t SaveCandidates;
extern uint32_t CandidateWindow;
extern int32_t CurrentLayout;
extern int32_t CurrentEncoding;

// The defaults of every settings load ("rootDir" comes from the Program Files
// folder, so it has none here).
constexpr std::u16string_view kDefaultThemeID{u"lutem_light"};
constexpr uint32_t kDefaultSmartCorrection = 1;
constexpr uint32_t kDefaultSaveCandidates = 1;
constexpr uint32_t kDefaultCandidateWindow = 1;
constexpr int32_t kDefaultCurrentLayout = 2;
constexpr int32_t kDefaultCurrentEncoding = 0;
