// A layered window's picture written as PNG on Windows, with GDI+'s own
// encoder (started here for the write: the picture may outlive the module's
// GDI+).
#include "host/user32/LayeredPicture.h"

namespace host {
namespace {

// image/png
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

}  // namespace

bool WriteLayeredPicturePng(HWND window, const std::string& path) {
  std::optional<LayeredPicture> layered = LayeredPictureOf(window);
  if (!layered || layered->picture.width <= 0 || layered->picture.height <= 0) return false;
  Picture& picture = layered->picture;
  int units = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
  if (units <= 0) return false;
  std::wstring file(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, file.data(), units);

  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
  Gdiplus::GpBitmap* bitmap = nullptr;
  bool written = false;
  if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(
          picture.width, picture.height, picture.width * 4, PixelFormat32bppPARGB,
          reinterpret_cast<BYTE*>(picture.pixels.data()), &bitmap) == Gdiplus::Ok) {
    written = Gdiplus::DllExports::GdipSaveImageToFile(bitmap, file.c_str(), &kPngEncoder,
                                                       nullptr) == Gdiplus::Ok;
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
  }
  Gdiplus::GdiplusShutdown(token);
  return written;
}

}  // namespace host
