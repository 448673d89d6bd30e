#pragma once

#include <cstdint>
#include <string>

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
