// The host-control side of gdi32: pictures and live objects.
#include <cairo.h>

#include <cstring>

#include "gdi32/DcPixels.h"
#include "gdi32/GdiObjectTable.h"
#include "host/gdi32/GdiObjects.h"
#include "host/gdi32/Picture.h"

namespace host {

std::optional<Picture> PictureOfDc(HDC dc) {
  platform::DcPixels view;
  if (!platform::SelectedBitmapPixels(dc, &view)) return std::nullopt;
  Picture picture;
  picture.width = view.width;
  picture.height = view.height;
  picture.pixels.resize(static_cast<size_t>(view.width) * view.height);
  const uint8_t* row = view.topRow;
  for (int y = 0; y < view.height; ++y, row += view.rowStep) {
    // B, G, R, A bytes make one native 0xAARRGGBB word on a little-endian host.
    std::memcpy(&picture.pixels[static_cast<size_t>(y) * view.width], row,
                static_cast<size_t>(view.width) * 4);
  }
  return picture;
}

bool WritePng(const Picture& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < picture.height; ++y) {
    std::memcpy(data + static_cast<size_t>(y) * stride,
                &picture.pixels[static_cast<size_t>(y) * picture.width],
                static_cast<size_t>(picture.width) * 4);
  }
  cairo_surface_mark_dirty(surface);
  bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

std::vector<GdiObjectRecord> LiveGdiObjects() {
  std::vector<GdiObjectRecord> records;
  for (const auto& [handle, object] : platform::GdiObjectTable::Instance().Live()) {
    records.push_back({handle, object->Describe()});
  }
  return records;
}

}  // namespace host
