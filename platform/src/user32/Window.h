// One window of the desktop. Every field is guarded by the desktop's lock
// (Desktop::Hold); procedures are never called with it held.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"
#include "host/user32/LayeredPicture.h"
#include "host/user32/MessageLog.h"
#include "host/user32/Monitors.h"
#include "user32/ControlState.h"
#include "user32/WindowClass.h"

namespace platform {

class Window {
 public:
  enum class Life { Creating, Alive, Destroying };

  Window(HWND handle, std::shared_ptr<WindowClass> windowClass, DWORD threadId);
  ~Window();

  bool IsChild() const { return (style & WS_CHILD) != 0; }
  bool IsVisibleItself() const { return (style & WS_VISIBLE) != 0; }
  bool IsEnabledItself() const { return (style & WS_DISABLED) == 0; }
  // Width and height of the window rectangle.
  int Width() const { return rect.right - rect.left; }
  int Height() const { return rect.bottom - rect.top; }

  const HWND handle;
  const std::shared_ptr<WindowClass> windowClass;
  const DWORD threadId;
  Life life = Life::Creating;
  WNDPROC procedure;
  HINSTANCE instance = nullptr;
  std::u16string title;
  DWORD style = 0;
  DWORD exStyle = 0;
  // Screen coordinates for a top-level window; the parent's client
  // coordinates for a child, as SetWindowPos takes them.
  RECT rect{};
  HWND parent = nullptr;
  HWND owner = nullptr;
  UINT_PTR id = 0;
  LONG_PTR userData = 0;
  std::vector<BYTE> extraBytes;
  std::vector<HWND> children;  // the top of their z-order first

  // The creating thread's DPI awareness; for a per-monitor-aware window the
  // DPI it was last told about (its monitor's).
  host::DpiAwareness awareness = host::DpiAwareness::Unaware;
  UINT dpi = 96;
  bool inDpiChange = false;  // its WM_DPICHANGED is being handled

  // Update region, kept as its bounding rectangle (client coordinates).
  bool dirty = false;
  RECT updateRect{};
  bool paintDelivered = false;  // WM_PAINT sent for the current region

  // The picture of UpdateLayeredWindow (its rect unused here: the window's
  // own is the truth).
  std::optional<host::LayeredPicture> layered;

  // What a system control class keeps for this window (its check state,
  // list, picture), as Windows keeps it in the control's own data; it goes
  // with the window.
  std::shared_ptr<ControlState> controlState;

  std::vector<host::LoggedMessage> log;
  std::vector<host::Invalidation> invalidations;
};

}  // namespace platform
