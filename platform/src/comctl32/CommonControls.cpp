// InitCommonControlsEx (platform/comctl32/CommCtrl.h,
// host/comctl32/CommonControls.h).
#include "host/comctl32/CommonControls.h"

#include <atomic>

#include "Platform.h"
#include "common/FailureSwitch.h"

namespace {

std::atomic<DWORD>& AskedFor() {
  static std::atomic<DWORD> classes{0};
  return classes;
}

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
  if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
  if (platform::ShouldFail("InitCommonControlsEx")) return FALSE;
  AskedFor() |= init->dwICC;
  return TRUE;
}

namespace host {

DWORD CommonControlClassesAskedFor() { return AskedFor().load(); }

void ClearCommonControls() { AskedFor() = 0; }

}  // namespace host
