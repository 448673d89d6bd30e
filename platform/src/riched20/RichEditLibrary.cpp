// "riched20.dll" as a system library of the stand-in: loading it registers
// the "RichEdit20W" class, unloading it takes the class away
// (platform/riched20/RichEdit.h).
#include "Platform.h"
#include "kernel32/SystemLibraries.h"
#include "riched20/RichEditControl.h"

namespace {

BOOL WINAPI RichEditEntry(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    WNDCLASSW registration{};
    registration.style = CS_GLOBALCLASS | CS_DBLCLKS;
    registration.lpfnWndProc = &riched20::RichEditProcedure;
    registration.hInstance = instance;
    registration.lpszClassName = RICHEDIT_CLASSW;
    return RegisterClassW(&registration) != 0;
  }
  if (reason == DLL_PROCESS_DETACH) UnregisterClassW(RICHEDIT_CLASSW, instance);
  return TRUE;
}

[[maybe_unused]] const bool registered = [] {
  platform::RegisterSystemLibrary(u"riched20.dll", &RichEditEntry);
  return true;
}();

}  // namespace
