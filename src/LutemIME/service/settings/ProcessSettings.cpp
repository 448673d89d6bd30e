#include "service/settings/ProcessSettings.h"

SharedSettingText rootDir{u""};
SharedSettingText ThemeID{kDefaultThemeID};
std::atomic<uint32_t> SmartCorrection{kDefaultSmartCorrection};
std::atomic<uint32_t> SaveCandidates{kDefaultSaveCandidates};
std::atomic<uint32_t> CandidateWindow{kDefaultCandidateWindow};
std::atomic<int32_t> CurrentLayout{kDefaultCurrentLayout};
std::atomic<int32_t> CurrentEncoding{kDefaultCurrentEncoding};
