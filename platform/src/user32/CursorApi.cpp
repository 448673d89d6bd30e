#include "Platform.h"
#include "user32/IconTable.h"

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR cursorName) {
  if (instance == nullptr && cursorName != nullptr && IS_INTRESOURCE(cursorName)) {
    WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(cursorName));
    if (HCURSOR cursor = platform::IconTable::Instance().SystemCursor(id)) return cursor;
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}
