#include "settings/DebugLog.h"

#include <cstdarg>

void DebugLog(const WCHAR* format, ...) {
  WCHAR buffer[1024];
  va_list args;
  va_start(args, format);
  _vsnwprintf_s(buffer, 1024, _TRUNCATE, format, args);
  va_end(args);
  OutputDebugStringW(buffer);
  OutputDebugStringW(TEXT("\n"));
}
