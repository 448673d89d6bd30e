// Bookkeeping of the GDI objects (DCs, bitmaps, brushes...) that are alive,
// so tests can see a DC or bitmap that was never freed. Stock objects are
// not listed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct GdiObjectRecord {
  uintptr_t handle;
  // "memory DC", "display DC", "bitmap 148x143 32 bpp"...
  std::string description;
};

// The live objects, oldest first.
std::vector<GdiObjectRecord> LiveGdiObjects();

}  // namespace host
