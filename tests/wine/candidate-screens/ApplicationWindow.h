#pragma once

#include "Platform.h"

// An application's window for the candidate window to stand over: white,
// with the composition "ami" (in Bengali, underlined) and the caret after
// it, so the pictures show the pop-up's transparent corners and shadowless
// edge against an ordinary window, where it opens below the text.
class ApplicationWindow {
 public:
  ApplicationWindow() = default;
  ~ApplicationWindow() { Destroy(); }
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

  // Shows the window, sized for dpi, and paints it.
  bool Create(UINT dpi);
  void Destroy();
  // Where the candidate window goes: below the caret, in screen pixels.
  POINT BelowCaret() const;
  // The window's rectangle on the screen, for the pictures.
  RECT PictureArea() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;
  int Scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
};
