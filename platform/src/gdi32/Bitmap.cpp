#include "gdi32/Bitmap.h"

namespace platform {

std::shared_ptr<Bitmap> Bitmap::NewDibSection(LONG width, LONG height) {
  auto bitmap = std::make_shared<Bitmap>();
  bitmap->width_ = width;
  bitmap->height_ = height < 0 ? -height : height;
  bitmap->topDown_ = height < 0;
  bitmap->bitsPerPixel_ = 32;
  bitmap->pixels_.assign(static_cast<size_t>(bitmap->width_) * bitmap->height_ * 4, 0);
  return bitmap;
}

std::shared_ptr<Bitmap> Bitmap::NewMonochrome() { return std::make_shared<Bitmap>(); }

std::string Bitmap::Describe() const {
  return "bitmap " + std::to_string(width_) + "x" + std::to_string(height_) + " " +
         std::to_string(bitsPerPixel_) + " bpp";
}

uint8_t* Bitmap::TopRow() {
  if (pixels_.empty()) return nullptr;
  return topDown_ ? pixels_.data() : pixels_.data() + static_cast<size_t>(height_ - 1) * Stride();
}

}  // namespace platform
