#pragma once

#include "Platform.h"

// A window object that also runs without a window handle: when its window
// could not be made (or is not wanted), it keeps its rectangle, visibility
// and enabled state in fields, and every operation works on those, so the
// candidate list goes on working through TSF's interfaces with nothing on
// the screen.
class CBaseWindow {
 public:
  CBaseWindow();
  // Detaches the object from its window (the window's procedure then no
  // longer finds it); the owner destroys the window with Destroy first.
  virtual ~CBaseWindow();
  CBaseWindow(const CBaseWindow&) = delete;
  CBaseWindow& operator=(const CBaseWindow&) = delete;

  // Makes the window of class atom at (0, 0) with the size given, owned by
  // the parent object's window or else by parentHwnd; TRUE when a window
  // came back. Atom 0 makes no window and gives TRUE.
  virtual BOOL Create(ATOM atom, DWORD exStyle, DWORD style, CBaseWindow* parent, int width,
                      int height, HWND parentHwnd);
  virtual void Destroy();
  // Screen coordinates; the size is kept.
  virtual void Move(int x, int y);
  virtual void Resize(int x, int y, int width, int height);
  // Shown without activation.
  virtual void Show(BOOL show);
  virtual BOOL IsVisible();
  virtual void Enable(BOOL enable);
  virtual BOOL IsEnabled();
  virtual void Invalidate();
  virtual BOOL GetWindowRect(RECT* rect);
  virtual BOOL GetClientRect(RECT* rect);

  virtual LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual void ReservedHandlerA() {}
  virtual void OnLButtonDown(POINT point) {}
  virtual void ReservedHandlerB() {}
  virtual void OnMouseMove(POINT point) {}
  virtual void OnTimer() {}

  // The procedure of the class "LutemIME.CandidateWindow". The object comes
  // with WM_CREATE, as the creation parameter, and is kept in the window's
  // GWLP_USERDATA; before it (and for a window made without one) messages
  // go to DefWindowProcW. WM_TIMER is answered here with 0. A handler may
  // delete its object (a click's callback closes the list), so nothing here
  // touches the object after HandleMessage. A window destroyed by someone
  // else (with its owner) leaves the object without a handle.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND GetWnd() const { return hwnd; }
  CBaseWindow* GetParent() const { return parent; }

 protected:
  HWND hwnd = nullptr;
  CBaseWindow* parent = nullptr;
  BOOL enabled = TRUE;
  BOOL visible = TRUE;
  RECT rect = {};
};
