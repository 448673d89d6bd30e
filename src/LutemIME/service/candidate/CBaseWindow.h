#pragma once

#include "Platform.h"

// The base of the candidate window. So far the part the module needs when
// it loads: the class window procedure it registers, which hands every
// message of a window to the object created with it. The window object's
// operations arrive with the candidate list.
class CBaseWindow {
 public:
  virtual ~CBaseWindow() = default;

  // A message of this object's window, from its WM_CREATE on.
  virtual LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;

  // The procedure of the class "LutemIME.CandidateWindow". The object comes
  // with WM_CREATE, as the creation parameter, and is kept in the window's
  // GWLP_USERDATA; before it (and for a window made without one) messages
  // go to DefWindowProcW. WM_TIMER is answered here with 0.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
