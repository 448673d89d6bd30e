#include "Platform.h"
#include "common/FailureSwitch.h"
#include "user32/ClassTable.h"

ATOM RegisterClassW(const WNDCLASSW* windowClass) {
  if (windowClass == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (platform::ShouldFail("RegisterClassW")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  return platform::ClassTable::Instance().Register(*windowClass);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
  return platform::ClassTable::Instance().Unregister(className, instance);
}

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, LPWNDCLASSW windowClass) {
  if (windowClass == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto found = platform::ClassTable::Instance().Find(className, instance);
  if (!found) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *windowClass = found->Describe();
  windowClass->lpszClassName = className;
  return found->atom;
}
