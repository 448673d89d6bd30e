#include "service/settings/ProcessSettings.h"

std::u16string rootDir;
std::u16string ThemeID{kDefaultThemeID};
uint32_t SmartCorrection = kDefaultSmartCorrection;
uint32_t SaveCandidates = kDefaultSaveCandidates;
uint32_t CandidateWindow = kDefaultCandidateWindow;
int32_t CurrentLayout = kDefaultCurrentLayout;
int32_t CurrentEncoding = kDefaultCurrentEncoding;
