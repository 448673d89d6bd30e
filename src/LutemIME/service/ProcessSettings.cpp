#include "service/ProcessSettings.h"

std::u16string rootDir;
std::u16string ThemeID = u"lutem_light";
uint32_t SmartCorrection = 1;
uint32_t SaveCandidates = 1;
uint32_t CandidateWindow = 1;
int32_t CurrentLayout = 2;
int32_t CurrentEncoding = 0;
