// What each stock object handle (GetStockObject) stands for, for the rest
// of the stand-in's GDI: a stock handle is the address of its entry here, so
// it never collides with a handle that GDI makes, and FindStockObject tells
// whether a handle is one.
#pragma once

#include "Platform.h"

namespace platform {

struct StockObject {
  enum class Kind { Brush, Pen, Font, Palette };
  int index;
  Kind kind;
  bool hollow;      // NULL_BRUSH and NULL_PEN draw nothing
  COLORREF colour;  // brushes and pens
};

// Null for a handle that is not a stock object.
const StockObject* FindStockObject(HGDIOBJ handle);

}  // namespace platform
