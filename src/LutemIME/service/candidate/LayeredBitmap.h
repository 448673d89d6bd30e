#pragma once

#include "Platform.h"

// The off-screen picture of a layered window: a top-down 32-bit DIB section
// of width x height selected into a memory DC compatible with the screen.
// The destructor selects the DC's own bitmap back before it frees the DIB
// section: GDI refuses to delete a bitmap that is still selected into a DC,
// so freeing in the other order would leak one bitmap per paint.
class LayeredBitmap {
 public:
  LayeredBitmap(int width, int height);
  ~LayeredBitmap();
  LayeredBitmap(const LayeredBitmap&) = delete;
  LayeredBitmap& operator=(const LayeredBitmap&) = delete;

  // False when a DC or the bitmap could not be made; nothing is drawn then.
  bool ok() const { return previous != nullptr; }
  HDC dc() const { return memory; }

  // Hands the whole picture to window at topLeft (screen coordinates), its
  // per-pixel alpha premultiplied, as UpdateLayeredWindow takes it.
  BOOL Present(HWND window, POINT topLeft);

 private:
  int width;
  int height;
  HDC screen = nullptr;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
};
