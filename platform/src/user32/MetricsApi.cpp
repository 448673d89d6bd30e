#include "Platform.h"
#include "user32/MonitorTable.h"
#include "user32/SystemMetrics.h"

int GetSystemMetrics(int index) { return platform::SystemMetrics::Instance().Get(index); }

BOOL SystemParametersInfoW(UINT action, UINT, PVOID param, UINT) {
  if (action != SPI_GETWORKAREA || param == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *static_cast<RECT*>(param) = platform::MonitorTable::Instance().Primary().work;
  return TRUE;
}
