#include "service/DebugLog.h"

void DebugLogW(const WCHAR*, ...) {}

void DebugLogA(const char*, ...) {}
