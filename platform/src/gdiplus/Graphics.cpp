#include "gdiplus/Graphics.h"

#include <new>

namespace platform {

Graphics::Graphics(HDC dc) {
  hasBitmap_ = SelectedBitmapPixels(dc, &pixels_);
  if (hasBitmap_) {
    // cairo wants the rows in the order they lie in memory; a bottom-up DIB
    // is drawn through a flipped matrix (Begin).
    unsigned char* first = pixels_.rowStep > 0
                               ? pixels_.topRow
                               : pixels_.topRow + pixels_.rowStep * (pixels_.height - 1);
    surface_ = cairo_image_surface_create_for_data(first, CAIRO_FORMAT_ARGB32, pixels_.width,
                                                   pixels_.height, pixels_.width * 4);
  } else {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  }
  cairo_ = cairo_create(surface_);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS ||
      cairo_status(cairo_) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cairo_);
    cairo_surface_destroy(surface_);
    throw std::bad_alloc();
  }
}

Graphics::~Graphics() {
  cairo_destroy(cairo_);
  cairo_surface_destroy(surface_);
}

cairo_t* Graphics::Begin() {
  // The caller may have written the pixels itself since the last call.
  cairo_surface_mark_dirty(surface_);
  cairo_save(cairo_);
  if (hasBitmap_ && pixels_.rowStep < 0) {
    cairo_matrix_t flip;
    cairo_matrix_init(&flip, 1, 0, 0, -1, 0, pixels_.height);
    cairo_set_matrix(cairo_, &flip);
  }
  // cairo's pixel centres lie half-way between whole coordinates; GDI+'s do
  // only in the Half and HighQuality pixel offset modes.
  if (pixelOffset != Gdiplus::PixelOffsetModeHalf &&
      pixelOffset != Gdiplus::PixelOffsetModeHighQuality) {
    cairo_translate(cairo_, 0.5, 0.5);
  }
  bool smooth = smoothing == Gdiplus::SmoothingModeAntiAlias ||
                smoothing == Gdiplus::SmoothingModeAntiAlias8x8 ||
                smoothing == Gdiplus::SmoothingModeHighQuality;
  cairo_set_antialias(cairo_, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cairo_, CAIRO_OPERATOR_OVER);
  return cairo_;
}

void Graphics::End() {
  cairo_new_path(cairo_);
  cairo_restore(cairo_);
  cairo_surface_flush(surface_);
}

Gdiplus::RectF Graphics::Bounds() const {
  if (!hasBitmap_) return Gdiplus::RectF();
  return Gdiplus::RectF(0, 0, static_cast<Gdiplus::REAL>(pixels_.width),
                        static_cast<Gdiplus::REAL>(pixels_.height));
}

}  // namespace platform
