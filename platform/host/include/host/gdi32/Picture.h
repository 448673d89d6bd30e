// Pictures read back from the stand-in's drawing: the bitmap selected into a
// memory DC, as premultiplied ARGB, and a PNG writer for looking at them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct Picture {
  int width = 0;
  int height = 0;
  // 0xAARRGGBB with premultiplied alpha, the top row first.
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A copy of the 32-bit DIB section selected into dc; nothing when dc is not
// a DC or holds no DIB section.
std::optional<Picture> PictureOfDc(HDC dc);

// Writes the picture as a PNG file (straight alpha, as PNG stores it);
// false when the file cannot be written.
bool WritePng(const Picture& picture, const std::string& path);

}  // namespace host
