// The host's mouse (host/user32/Mouse.h).
#include "host/user32/Mouse.h"

#include <optional>

#include "user32/CursorState.h"
#include "user32/Desktop.h"
#include "user32/IconTable.h"
#include "user32/MessageDelivery.h"

using platform::Deliver;
using platform::DeliverInput;
using platform::Desktop;

namespace {

struct Target {
  POINT screen;
  HWND topLevel;
  bool activeAlready;
  bool noActivate;  // WS_EX_NOACTIVATE on the top-level window
};

// Where a point of a window lies on the screen, if the window can take mouse
// input at all (it and its ancestors shown and enabled).
std::optional<Target> Aim(HWND window, int x, int y) {
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  auto w = desktop.Find(window);
  if (!w || !desktop.IsShowing(*w) || !desktop.IsEnabled(*w)) return std::nullopt;
  POINT origin = desktop.ClientOrigin(*w);
  HWND top = desktop.TopLevelOf(window);
  auto topWindow = desktop.Find(top);
  return Target{POINT{origin.x + x, origin.y + y}, top, desktop.foreground == top,
                topWindow && (topWindow->exStyle & WS_EX_NOACTIVATE)};
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

LPARAM HitTestParam(HWND window, const Target& target, UINT mouseMessage) {
  auto hit = static_cast<SHORT>(
      Deliver(window, WM_NCHITTEST, 0, PointParam(target.screen.x, target.screen.y)));
  return MAKELPARAM(hit, mouseMessage);
}

void Activate(const Target& target) {
  if (target.noActivate) return;
  Desktop& desktop = Desktop::Instance();
  auto hold = desktop.Hold();
  if (desktop.Find(target.topLevel)) desktop.foreground = target.topLevel;
}

void ButtonDownAndUp(HWND window, int x, int y) {
  if (IsWindow(window)) DeliverInput(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  if (IsWindow(window)) DeliverInput(window, WM_LBUTTONUP, 0, PointParam(x, y));
}

}  // namespace

namespace host {

bool MoveMouse(HWND window, int x, int y) {
  std::optional<Target> target = Aim(window, x, y);
  if (!target) return false;
  platform::CursorState::Instance().MoveTo(target->screen);
  LPARAM hit = HitTestParam(window, *target, WM_MOUSEMOVE);
  Deliver(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), hit);
  if (IsWindow(window)) DeliverInput(window, WM_MOUSEMOVE, 0, PointParam(x, y));
  return true;
}

bool Click(HWND window, int x, int y) {
  std::optional<Target> target = Aim(window, x, y);
  if (!target) return false;
  POINT cursor = platform::CursorState::Instance().Position();
  if (cursor.x != target->screen.x || cursor.y != target->screen.y) {
    MoveMouse(window, x, y);
    if (!IsWindow(window)) return true;
  }
  LPARAM hit = HitTestParam(window, *target, WM_LBUTTONDOWN);
  bool eat = false;
  if (!target->activeAlready) {
    LRESULT answer = Deliver(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(target->topLevel), hit);
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) Activate(*target);
    eat = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
  }
  if (IsWindow(window)) Deliver(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), hit);
  if (eat) {
    if (IsWindow(window)) DeliverInput(window, WM_LBUTTONUP, 0, PointParam(x, y));
  } else {
    ButtonDownAndUp(window, x, y);
  }
  return true;
}

bool Tap(HWND window, int x, int y) {
  std::optional<Target> target = Aim(window, x, y);
  if (!target) return false;
  platform::CursorState::Instance().MoveTo(target->screen);
  if (!target->activeAlready) {
    auto hit = static_cast<WORD>(LOWORD(HitTestParam(window, *target, 0)));
    constexpr WORD kPointerId = 1;
    LRESULT answer = Deliver(window, WM_POINTERACTIVATE, MAKEWPARAM(kPointerId, hit),
                             reinterpret_cast<LPARAM>(target->topLevel));
    if (answer == PA_ACTIVATE) Activate(*target);
  }
  ButtonDownAndUp(window, x, y);
  return true;
}

bool Wheel(HWND window, int delta) {
  std::optional<Target> target = Aim(window, 0, 0);
  if (!target) return false;
  POINT cursor = platform::CursorState::Instance().Position();
  DeliverInput(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))),
               PointParam(cursor.x, cursor.y));
  return true;
}

bool Scroll(HWND window, int code, int position) {
  if (!Aim(window, 0, 0)) return false;
  Deliver(window, WM_VSCROLL, MAKEWPARAM(code, position), 0);
  return true;
}

void SetCursorPosition(POINT screen) { platform::CursorState::Instance().MoveTo(screen); }

std::vector<HCURSOR> SetCursorLog() { return platform::CursorState::Instance().SetLog(); }

void ClearSetCursorLog() { platform::CursorState::Instance().ClearLog(); }

WORD SystemCursorId(HCURSOR cursor) {
  auto icon = platform::IconTable::Instance().Find(cursor);
  return icon && icon->kind == platform::IconObject::Kind::SystemCursor ? icon->systemId : 0;
}

}  // namespace host
