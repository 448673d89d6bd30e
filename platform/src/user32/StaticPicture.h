// The pixels of an owner-drawn static: a memory DC holding a 32-bit DIB
// section of the control's size, kept between paints as the screen keeps
// what was drawn, and filled with the dialog face colour when it is made.
#pragma once

#include <optional>

#include "Platform.h"
#include "host/gdi32/Picture.h"

namespace platform {

class StaticPicture {
 public:
  StaticPicture() = default;
  StaticPicture(const StaticPicture&) = delete;
  StaticPicture& operator=(const StaticPicture&) = delete;
  ~StaticPicture() { Release(); }

  // The DC to draw on, made again when the size changed; null when it
  // cannot be made (an empty control, no memory).
  HDC Prepare(int width, int height);
  std::optional<host::Picture> Read() const;
  void Release();

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The picture of an owner-drawn static; nothing for another window.
std::optional<host::Picture> StaticPictureOf(HWND window);

}  // namespace platform
