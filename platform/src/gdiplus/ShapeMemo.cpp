#include "gdiplus/ShapeMemo.h"

#include <algorithm>
#include <cstring>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

// Enough for the outlines of windows at the many widths their candidates
// give them.
constexpr size_t kMemoBytes = size_t{64} << 20;
constexpr size_t kMemoEntries = 2048;

struct Span {
  size_t offset;  // bytes into the surface's data
  size_t pixels;
};

struct Entry {
  std::string key;
  std::vector<Span> spans;
  std::vector<uint32_t> before;
  std::vector<uint32_t> after;
  bool measured = false;  // spans, before and after are known
  bool usable = true;
  size_t Bytes() const {
    return key.size() + spans.size() * sizeof(Span) + (before.size() + after.size()) * 4;
  }
};

struct Memo {
  std::mutex lock;
  std::list<Entry> entries;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> index;
  size_t bytes = 0;
};

Memo& TheMemo() {
  static Memo* memo = new Memo;  // used until the process ends
  return *memo;
}

template <typename T>
void Append(std::string* key, const T& value) {
  key->append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string KeyOf(cairo_t* cairo, const cairo_path_t* path, cairo_surface_t* surface,
                  Gdiplus::ARGB color, const ShapeMemo::Line& line) {
  std::string key;
  Append(&key, cairo_image_surface_get_width(surface));
  Append(&key, cairo_image_surface_get_height(surface));
  Append(&key, cairo_image_surface_get_stride(surface));
  Append(&key, color);
  cairo_matrix_t matrix;
  cairo_get_matrix(cairo, &matrix);
  Append(&key, matrix);
  Append(&key, cairo_get_antialias(cairo));
  Append(&key, cairo_get_tolerance(cairo));
  Append(&key, cairo_get_operator(cairo));
  Append(&key, line.width);
  Append(&key, line.join);
  Append(&key, line.miterLimit);
  Append(&key, line.cap);
  key.append(reinterpret_cast<const char*>(path->data),
             static_cast<size_t>(path->num_data) * sizeof(cairo_path_data_t));
  return key;
}

// The pixels a drawing covers at all: drawn in white on a mask.
// Only the rectangle from (left, top) to (right, bottom) is looked at.
bool Coverage(cairo_surface_t* surface, int left, int top, int right, int bottom,
              const std::function<bool(cairo_t*)>& cover, std::vector<Span>* spans) {
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0) return true;
  const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
  // Drawn where it lies on the surface, the rectangle's corner at the
  // mask's.
  cairo_surface_set_device_offset(mask, -left, -top);
  cairo_t* masking = cairo_create(mask);
  bool ok = cairo_status(masking) == CAIRO_STATUS_SUCCESS;
  if (ok) {
    cairo_set_source_rgba(masking, 1, 1, 1, 1);
    ok = cover(masking);
    cairo_surface_flush(mask);
    ok = ok && cairo_status(masking) == CAIRO_STATUS_SUCCESS;
  }
  if (ok) {
    const unsigned char* rows = cairo_image_surface_get_data(mask);
    const int maskStride = cairo_image_surface_get_stride(mask);
    for (int y = 0; y < height; ++y) {
      const unsigned char* row = rows + static_cast<size_t>(y) * maskStride;
      for (int x = 0; x < width;) {
        if (row[x] == 0) {
          ++x;
          continue;
        }
        int end = x;
        while (end < width && row[end] != 0) ++end;
        spans->push_back({static_cast<size_t>(y + top) * stride +
                              static_cast<size_t>(x + left) * 4,
                          static_cast<size_t>(end - x)});
        x = end;
      }
    }
  }
  cairo_destroy(masking);
  cairo_surface_destroy(mask);
  return ok;
}

void Gather(const unsigned char* data, const std::vector<Span>& spans,
            std::vector<uint32_t>* pixels) {
  size_t total = 0;
  for (const Span& span : spans) total += span.pixels;
  pixels->resize(total);
  uint32_t* out = pixels->data();
  for (const Span& span : spans) {
    std::memcpy(out, data + span.offset, span.pixels * 4);
    out += span.pixels;
  }
}

bool Holds(const unsigned char* data, const std::vector<Span>& spans,
           const std::vector<uint32_t>& pixels) {
  const uint32_t* in = pixels.data();
  for (const Span& span : spans) {
    if (std::memcmp(data + span.offset, in, span.pixels * 4) != 0) return false;
    in += span.pixels;
  }
  return true;
}

void Scatter(unsigned char* data, const std::vector<Span>& spans,
             const std::vector<uint32_t>& pixels) {
  const uint32_t* in = pixels.data();
  for (const Span& span : spans) {
    std::memcpy(data + span.offset, in, span.pixels * 4);
    in += span.pixels;
  }
}

}  // namespace

void ShapeMemo::Stroke(cairo_t* cairo, cairo_surface_t* surface, Gdiplus::ARGB color,
                       const Line& line, const std::function<void()>& draw) {
  cairo_path_t* path = cairo_copy_path(cairo);
  if (path == nullptr || path->status != CAIRO_STATUS_SUCCESS ||
      cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) {
    if (path != nullptr) cairo_path_destroy(path);
    draw();
    return;
  }
  const std::string key = KeyOf(cairo, path, surface, color, line);
  auto cover = [&](cairo_t* masking) {
    cairo_matrix_t matrix;
    cairo_get_matrix(cairo, &matrix);
    cairo_set_matrix(masking, &matrix);
    cairo_set_antialias(masking, cairo_get_antialias(cairo));
    cairo_set_tolerance(masking, cairo_get_tolerance(cairo));
    cairo_append_path(masking, path);
    cairo_set_line_width(masking, line.width);
    cairo_set_line_join(masking, line.join);
    cairo_set_miter_limit(masking, line.miterLimit);
    cairo_set_line_cap(masking, line.cap);
    cairo_stroke(masking);
    return true;
  };
  auto served = [&] {
    // The memo wrote the pixels: the path is used up all the same.
    cairo_new_path(cairo);
  };
  bool drawn = false;
  Paint(key, surface, 0, 0, cairo_image_surface_get_width(surface),
        cairo_image_surface_get_height(surface), cover, [&] {
          drawn = true;
          draw();
        });
  if (!drawn) served();
  cairo_path_destroy(path);
}

void ShapeMemo::Paint(const std::string& key, cairo_surface_t* surface, int x, int y, int width,
                      int height, const std::function<bool(cairo_t*)>& cover,
                      const std::function<void()>& draw) {
  if (cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
      cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
    draw();
    return;
  }
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const size_t stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
  // The rows and columns that may change, within the surface.
  const int left = std::max(0, x);
  const int top = std::max(0, y);
  const int right = std::min(cairo_image_surface_get_width(surface), x + std::max(0, width));
  const int bottom = std::min(cairo_image_surface_get_height(surface), y + std::max(0, height));
  Memo& memo = TheMemo();
  std::lock_guard<std::mutex> hold(memo.lock);
  auto indexed = memo.index.find(key);
  if (indexed == memo.index.end()) {
    // A drawing seen once (a window at a width it has only now) is only
    // noted: it is measured for the memo when it comes again.
    draw();
    Entry entry;
    entry.key = key;
    memo.bytes += entry.Bytes();
    memo.entries.push_front(std::move(entry));
    memo.index[key] = memo.entries.begin();
    while ((memo.bytes > kMemoBytes || memo.entries.size() > kMemoEntries) &&
           memo.entries.size() > 1) {
      memo.bytes -= memo.entries.back().Bytes();
      memo.index.erase(memo.entries.back().key);
      memo.entries.pop_back();
    }
    return;
  }
  memo.entries.splice(memo.entries.begin(), memo.entries, indexed->second);
  Entry& entry = memo.entries.front();
  if (!entry.usable) {
    draw();
    return;
  }
  if (entry.measured && Holds(data, entry.spans, entry.before)) {
    Scatter(data, entry.spans, entry.after);
    cairo_surface_mark_dirty(surface);
    return;
  }
  memo.bytes -= entry.Bytes();
  std::vector<unsigned char> region;
  const bool checking = !entry.measured;
  const size_t rowBytes = right > left ? static_cast<size_t>(right - left) * 4 : 0;
  if (checking) {
    entry.measured = true;
    if (!Coverage(surface, left, top, right, bottom, cover, &entry.spans)) entry.usable = false;
    for (const Span& span : entry.spans) {
      const int row = static_cast<int>(span.offset / stride);
      const int column = static_cast<int>(span.offset % stride / 4);
      if (row < top || row >= bottom || column < left ||
          column + static_cast<int>(span.pixels) > right)
        entry.usable = false;  // covers what may not change
    }
    if (entry.usable) {
      region.resize(rowBytes * static_cast<size_t>(std::max(0, bottom - top)));
      for (int r = top; r < bottom; ++r)
        std::memcpy(&region[(r - top) * rowBytes], data + r * stride + left * 4, rowBytes);
    }
  }
  if (entry.usable) Gather(data, entry.spans, &entry.before);
  draw();
  cairo_surface_flush(surface);
  if (entry.usable) Gather(data, entry.spans, &entry.after);
  if (checking && entry.usable) {
    // Nothing but the covered pixels may have changed: with the pixels
    // after put into the copy from before, it must equal the surface.
    std::vector<unsigned char> now(region.size());
    for (int r = top; r < bottom; ++r)
      std::memcpy(&now[(r - top) * rowBytes], data + r * stride + left * 4, rowBytes);
    const uint32_t* after = entry.after.data();
    for (const Span& span : entry.spans) {
      const size_t row = span.offset / stride;
      const size_t column = span.offset % stride / 4;
      std::memcpy(&region[(row - top) * rowBytes + (column - left) * 4], after, span.pixels * 4);
      after += span.pixels;
    }
    entry.usable = region == now;
  }
  if (!entry.usable) {
    entry.spans.clear();
    entry.before.clear();
    entry.after.clear();
  }
  memo.bytes += entry.Bytes();
}

}  // namespace platform
