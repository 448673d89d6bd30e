#include "service/settings/DebugLog.h"

void DebugLogW(const WCHAR*, ...) {}

void DebugLogA(const char*, ...) {}
