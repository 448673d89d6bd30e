// Rectangle helpers (winuser.h's share, as documented under "Rectangles"):
// a rectangle holds the points with left <= x < right and top <= y < bottom;
// one whose right is not above its left, or bottom not below its top, is
// empty.
#pragma once

#include "platform/base/WinDef.h"

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL CopyRect(LPRECT destination, const RECT* source);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL InflateRect(LPRECT rect, int dx, int dy);
// Empty intersections and unions of empty rectangles give an empty
// (all-zero) result and FALSE.
BOOL IntersectRect(LPRECT destination, const RECT* a, const RECT* b);
BOOL UnionRect(LPRECT destination, const RECT* a, const RECT* b);
BOOL IsRectEmpty(const RECT* rect);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL EqualRect(const RECT* a, const RECT* b);
