#include "service/module/DllMain.h"

#include "common/CandidateWindowNames.h"
#include "service/candidate/CBaseWindow.h"
#include "service/module/ClassFactorySlot.h"

HINSTANCE DllInstance = nullptr;
CRITICAL_SECTION DllLock;
ATOM CandidateWindowClassAtom = 0;

namespace {

const WCHAR* const kCandidateWindowClass = AsWchar(CandidateWindowNames::windowClass.data());

// Whether DllLock exists: a refused attach is followed by a detach, which
// must not delete a section that was never made.
bool dllLockMade = false;

ATOM RegisterCandidateWindowClass() {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_IME | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &CBaseWindow::WindowProc;
  windowClass.hInstance = DllInstance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszClassName = kCandidateWindowClass;
  return RegisterClassW(&windowClass);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DllInstance = instance;
      if (!InitializeCriticalSectionAndSpinCount(&DllLock, 0)) return FALSE;
      dllLockMade = true;
      CandidateWindowClassAtom = RegisterCandidateWindowClass();
      return CandidateWindowClassAtom != 0 ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
      // Windows keeps a module's window classes after it unloads, with a
      // procedure that points into the unloaded image, and a later load in
      // the same process could not register the class again. A process that
      // is ending (reserved set) needs none of this.
      if (reserved == nullptr && CandidateWindowClassAtom != 0) {
        UnregisterClassW(kCandidateWindowClass, DllInstance);
        CandidateWindowClassAtom = 0;
      }
      DeleteClassFactory();
      if (dllLockMade) {
        DeleteCriticalSection(&DllLock);
        dllLockMade = false;
      }
      return TRUE;
    default:
      return TRUE;
  }
}

LUTEM_DLL_ENTRY_POINT(DllMain)
