// MessageBoxW (platform/user32/WinMessageBox.h, host/user32/MessageBoxes.h).
#include <vector>

#include "Platform.h"
#include "common/CallLog.h"
#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "host/user32/MessageBoxes.h"

namespace {

platform::CallLog<host::MessageBoxRecord>& Log() {
  static auto* log = new platform::CallLog<host::MessageBoxRecord>;  // until the process ends
  return *log;
}

// The type's default button: its MB_DEFBUTTON place among the buttons.
int DefaultButton(UINT type) {
  static const int kButtons[][3] = {
      {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
      {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
  };
  UINT kind = type & MB_TYPEMASK;
  UINT place = (type & MB_DEFMASK) >> 8;
  if (kind > 5) kind = 0;
  if (place > 2) place = 0;
  return kButtons[kind][place];
}

}  // namespace

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  if (owner != nullptr && !IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (platform::ShouldFail("MessageBoxW")) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  host::MessageBoxRecord box;
  box.owner = owner;
  box.text = text == nullptr ? std::u16string() : std::u16string(text, platform::WideLength(text));
  box.caption = caption == nullptr ? std::u16string(u"Error")
                                   : std::u16string(caption, platform::WideLength(caption));
  box.type = type;
  box.threadId = GetCurrentThreadId();
  box.result = DefaultButton(type);
  Log().Add(box);
  return box.result;
}

namespace host {

std::vector<MessageBoxRecord> MessageBoxes() { return Log().All(); }

void ClearMessageBoxes() { Log().Clear(); }

}  // namespace host
