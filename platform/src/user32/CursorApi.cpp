#include "Platform.h"
#include "user32/CursorState.h"
#include "user32/IconTable.h"

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR cursorName) {
  if (instance == nullptr && cursorName != nullptr && IS_INTRESOURCE(cursorName)) {
    WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(cursorName));
    if (HCURSOR cursor = platform::IconTable::Instance().SystemCursor(id)) return cursor;
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}

BOOL GetCursorPos(LPPOINT point) {
  if (point == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *point = platform::CursorState::Instance().Position();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  platform::CursorState::Instance().MoveTo(POINT{x, y});
  return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) { return platform::CursorState::Instance().Set(cursor); }

HCURSOR GetCursor() { return platform::CursorState::Instance().Current(); }
