#include "service/candidate/CalcCandidateWindowPosition.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Rectangles from an application may sit anywhere in the 32-bit range, so
// the sums are made in 64 bits.
struct Box {
  int64_t left, top, right, bottom;
};

Box Wide(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Box Offset(const Box& r, int64_t dx, int64_t dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

enum : unsigned {
  kLeft = 0x02,
  kTop = 0x04,
  kRight = 0x08,
  kBottom = 0x10,
  kLeftAndRight = 0x20,
  kTopAndBottom = 0x40,
};

unsigned Overflow(const Box& b, const Box& area) {
  unsigned classes = 0;
  if (b.left < area.left)
    classes |= b.right > area.right ? kLeftAndRight : kLeft;
  else if (b.right > area.right)
    classes |= kRight;
  if (b.top < area.top)
    classes |= b.bottom > area.bottom ? kTopAndBottom : kTop;
  else if (b.bottom > area.bottom)
    classes |= kBottom;
  return classes;
}

LONG ToLong(int64_t value) {
  return static_cast<LONG>(std::clamp<int64_t>(value, std::numeric_limits<LONG>::min(),
                                               std::numeric_limits<LONG>::max()));
}

}  // namespace

BOOL CalcCandidateWindowPosition(const RECT& textExtent, const RECT& workArea,
                                 const RECT& windowRect, POINT* topLeft) {
  if (topLeft == nullptr) return FALSE;
  const Box text = Wide(textExtent);
  const Box area = Wide(workArea);
  const Box window = Wide(windowRect);
  const int64_t width = window.right - window.left;
  const int64_t height = window.bottom - window.top;

  const Box below = Offset(window, text.left, text.bottom);
  const Box above = Offset(window, text.left, text.top - window.bottom + window.top);

  int64_t x = 0;
  int64_t y = 0;
  bool placed = false;
  for (const Box& box : {below, above}) {
    const unsigned classes = Overflow(box, area);
    if (classes == 0) {
      x = box.left;
      y = box.top;
    } else if ((classes & (kTop | kBottom)) == 0 && (classes & (kLeft | kRight)) != 0) {
      x = (classes & kLeft) ? area.left : area.right - width;
      y = box.top;
    } else {
      continue;
    }
    placed = true;
    break;
  }

  if (!placed) {
    const unsigned classes = Overflow(below, area);
    if (classes & kTop)
      y = area.top;
    else if (classes & (kBottom | kTopAndBottom))
      y = area.bottom - height;
    else
      y = below.top;  // only too wide: it stays below the text
    if (classes & kLeft)
      x = area.left;
    else if (classes & kRight)
      x = area.right - width;
    else
      x = text.left;
  }

  // Oversized: the top-left corner stays on the work area.
  x = std::max(x, area.left);
  y = std::max(y, area.top);
  topLeft->x = ToLong(x);
  topLeft->y = ToLong(y);
  return TRUE;
}
