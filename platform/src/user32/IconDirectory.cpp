#include "user32/IconDirectory.h"

#include <cstring>
#include <vector>

#include "user32/ResourceReader.h"

namespace platform {
namespace {

struct Entry {
  int width;
  int height;
  int bitCount;
  WORD id;
};

// Better for the size asked for: the exact size (more colours first), then
// the smallest larger, then the largest.
bool Better(const Entry& a, const Entry& b, int width, int height) {
  auto rank = [&](const Entry& e) {
    if (e.width == width && e.height == height) return 0;
    return e.width >= width && e.height >= height ? 1 : 2;
  };
  int ra = rank(a);
  int rb = rank(b);
  if (ra != rb) return ra < rb;
  if (ra == 0) return a.bitCount > b.bitCount;
  if (ra == 1) return a.width * a.height < b.width * b.height;
  return a.width * a.height > b.width * b.height;
}

uint32_t BigEndian(const BYTE* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

WORD ChooseIconImage(const void* directory, size_t size, int width, int height) {
  ResourceReader in(directory, size);
  WORD reserved = in.Word();
  WORD type = in.Word();
  WORD count = in.Word();
  if (!in.Ok() || reserved != 0 || type != 1 || count == 0) return 0;
  std::vector<Entry> entries;
  for (WORD i = 0; i < count; ++i) {
    Entry e{};
    e.width = in.Byte();
    e.height = in.Byte();
    in.Byte();  // colour count
    in.Byte();  // reserved
    in.Word();  // planes
    e.bitCount = in.Word();
    in.Dword();  // bytes in the image
    e.id = in.Word();
    if (!in.Ok()) return 0;
    // A stored 0 is 256 pixels.
    if (e.width == 0) e.width = 256;
    if (e.height == 0) e.height = 256;
    entries.push_back(e);
  }
  if (width <= 0 || height <= 0) return entries.front().id;
  const Entry* best = &entries.front();
  for (const Entry& e : entries)
    if (Better(e, *best, width, height)) best = &e;
  return best->id;
}

std::optional<IconImageSize> IconImageSizeOf(const void* image, size_t size) {
  const auto* bytes = static_cast<const BYTE*>(image);
  static const BYTE kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size >= 24 && std::memcmp(bytes, kPng, 8) == 0 && std::memcmp(bytes + 12, "IHDR", 4) == 0) {
    uint32_t w = BigEndian(bytes + 16);
    uint32_t h = BigEndian(bytes + 20);
    if (w == 0 || h == 0 || w > 4096 || h > 4096) return std::nullopt;
    return IconImageSize{static_cast<int>(w), static_cast<int>(h)};
  }
  ResourceReader in(image, size);
  DWORD headerSize = in.Dword();
  auto w = static_cast<LONG>(in.Dword());
  auto h = static_cast<LONG>(in.Dword());
  // The height of an icon DIB counts its colour and its mask halves.
  if (!in.Ok() || headerSize < 40 || headerSize > size || w <= 0 || h <= 0 || h % 2 != 0 ||
      w > 4096 || h > 8192)
    return std::nullopt;
  return IconImageSize{w, h / 2};
}

IconImageSize DesiredIconSize(int width, int height, UINT flags, IconImageSize own) {
  IconImageSize size = own;
  if (width > 0) size.width = width;
  else if (flags & LR_DEFAULTSIZE) size.width = GetSystemMetrics(SM_CXICON);
  if (height > 0) size.height = height;
  else if (flags & LR_DEFAULTSIZE) size.height = GetSystemMetrics(SM_CYICON);
  return size;
}

}  // namespace platform
