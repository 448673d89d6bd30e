#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "service/settings/SharedSettingText.h"

// The settings every text service object of the process shares. An
// application with several UI threads (a shell, a browser) activates a text
// service on each, and every activation, refresh and menu choice writes them
// while the other threads type: the numbers are atomics and the texts are
// read and written under one lock. Their values here are those at load;
// every activation resets them and asks the server.
extern SharedSettingText rootDir;
extern SharedSettingText ThemeID;
extern std::atomic<uint32_t> SmartCorrection;
extern std::atomic<uint32_t> SaveCandidates;
extern std::atomic<uint32_t> CandidateWindow;
extern std::atomic<int32_t> CurrentLayout;
extern std::atomic<int32_t> CurrentEncoding;

// The defaults of every settings load ("rootDir" comes from the Program Files
// folder, so it has none here).
constexpr std::u16string_view kDefaultThemeID{u"lutem_light"};
constexpr uint32_t kDefaultSmartCorrection = 1;
constexpr uint32_t kDefaultSaveCandidates = 1;
constexpr uint32_t kDefaultCandidateWindow = 1;
constexpr int32_t kDefaultCurrentLayout = 2;
constexpr int32_t kDefaultCurrentEncoding = 0;
