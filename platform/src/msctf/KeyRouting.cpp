#include "msctf/KeyRouting.h"

#include "msctf/ComPtr.h"
#include "msctf/Context.h"
#include "msctf/ThreadMgr.h"

namespace platform {

bool OfferKeyToTsf(bool keyUp, WPARAM wParam, LPARAM lParam, KeyDelivery delivery) {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return false;
  ComPtr<ITfThreadMgr> keep(threadMgr);
  KeystrokeMgr& keystrokes = threadMgr->keystrokes();
  BOOL eaten = FALSE;
  if (delivery == KeyDelivery::TestThenKeyDown) {
    if (keyUp) {
      keystrokes.TestKeyUp(wParam, lParam, &eaten);
    } else {
      keystrokes.TestKeyDown(wParam, lParam, &eaten);
    }
    if (!eaten) return false;
  }
  BOOL handled = FALSE;
  if (keyUp) {
    keystrokes.KeyUp(wParam, lParam, &handled);
  } else {
    keystrokes.KeyDown(wParam, lParam, &handled);
  }
  // A key the test claimed is the text service's, whatever KeyDown says.
  return eaten || handled;
}

void TypeIntoFocusedDocument(WCHAR character) {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return;
  ComPtr<ITfContext> context(threadMgr->FocusedContext());
  if (context) Context::From(context.get())->text().ApplicationTyped(character);
}

}  // namespace platform
