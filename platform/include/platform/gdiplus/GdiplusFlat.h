// The GDI+ flat API calls our drawing makes, in Gdiplus::DllExports as the
// SDK declares them, drawn for real on the stand-in: cairo paints into the
// DIB section selected into the DC, pango lays out and shapes text.
//
// Behaviour, after the GDI+ reference documentation:
// - Coordinates are pixels (page unit display, identity world transform).
//   The pixel offset mode decides where pixel centres lie: at whole
//   coordinates for None, Default and HighSpeed; half-way for Half and
//   HighQuality. The smoothing mode turns antialiasing of shapes on
//   (AntiAlias, AntiAlias8x8, HighQuality) or off (the rest, Default
//   included). The text rendering hint turns antialiasing of text on or off;
//   the grid-fit hints round glyph advances to whole pixels. Compositing
//   quality and interpolation mode are kept but change nothing (no images
//   are drawn); text with a ClearType hint is antialiased in grey, as a
//   layered window's alpha cannot carry colour fringes.
// - Arcs lie in their bounding box, angles in degrees measured clockwise
//   from the x axis (on an ellipse, the angle of the ray from its centre);
//   an arc continues the open figure with a line to its start; a sweep
//   beyond 360 degrees draws the whole ellipse. AddPathRectangle adds a
//   closed figure of its own. Paths fill with their fill mode (alternate
//   by default). Pens are centred on the line, width in world units
//   (points for UnitPoint), with mitred joins and flat caps.
// - Text: a font's line spacing (GdipGetFontHeight) is the family's ascent
//   plus descent plus line gap at the font's size; lines are laid out one
//   line spacing apart. As GDI+ does for a string format that is not
//   typographic, a sixth of the em is kept free at either end of a line,
//   so a measured string is a third of an em wider than its glyphs.
//   A layout box of width 0 (or height 0) does not bound the text in that
//   direction. Lines break at word boundaries, inside a word that does not
//   fit a line, unless the format has NoWrap. Lines are laid out while
//   their top lies inside the box (partly visible lines too) unless the
//   format has LineLimit (whole lines only); text that is left over is
//   trimmed on the last line laid out: with an ellipsis for
//   EllipsisCharacter and EllipsisWord, in the middle for EllipsisPath;
//   Character, Word and None drop it. Alignment places each line in the
//   box, line alignment the block of lines; drawing is clipped to the box
//   unless the format has NoClip. MeasureString reports the box the
//   drawn lines take, the UTF-16 units laid out and the lines.
// - Fonts: see GdipCreateFontFamilyFromName below.
// - A bad object pointer (never made, or deleted) gives InvalidParameter
//   rather than a crash.
// Failure switches (host/FailureSwitch.h): every call checks its own name;
// calls that make an object then give OutOfMemory, the others GenericError.
#pragma once

#include "platform/gdiplus/GdiplusTypes.h"

namespace Gdiplus {
namespace DllExports {
extern "C" {

GpStatus WINGDIPAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatus WINGDIPAPI GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality quality);
GpStatus WINGDIPAPI GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode);
GpStatus WINGDIPAPI GdipSetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode mode);
GpStatus WINGDIPAPI GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode);
GpStatus WINGDIPAPI GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint hint);
GpStatus WINGDIPAPI GdipGraphicsClear(GpGraphics* graphics, ARGB color);
// The whole drawing surface: the DC's bitmap (0, 0, width, height); empty
// on a DC without one (a display DC).
GpStatus WINGDIPAPI GdipGetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect);

GpStatus WINGDIPAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus WINGDIPAPI GdipDeleteBrush(GpBrush* brush);
GpStatus WINGDIPAPI GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen);
GpStatus WINGDIPAPI GdipDeletePen(GpPen* pen);

GpStatus WINGDIPAPI GdipCreatePath(GpFillMode fillMode, GpPath** path);
GpStatus WINGDIPAPI GdipDeletePath(GpPath* path);
GpStatus WINGDIPAPI GdipResetPath(GpPath* path);
GpStatus WINGDIPAPI GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height,
                                   REAL startAngle, REAL sweepAngle);
GpStatus WINGDIPAPI GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GpStatus WINGDIPAPI GdipClosePathFigure(GpPath* path);
GpStatus WINGDIPAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus WINGDIPAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatus WINGDIPAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y,
                                      REAL width, REAL height);
GpStatus WINGDIPAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y,
                                    REAL width, REAL height);

// Installed families: those of the stand-in's own font set (DejaVu Sans,
// DejaVu Sans Mono, DejaVu Serif, Lohit Bengali), matched without regard to
// case, and "Segoe UI", which every Windows has, drawn with DejaVu Sans. Any
// other name gives FontFamilyNotFound. The generic sans-serif family is
// DejaVu Sans too; it is one object for the process, which
// GdipDeleteFontFamily leaves alone. Characters a family lacks (Bengali in
// DejaVu Sans) are drawn with Lohit Bengali, as Windows falls back to a
// font that has them. Only the installed collection (null) is supported.
GpStatus WINGDIPAPI GdipCreateFontFamilyFromName(GDIPCONST WCHAR* name,
                                                 GpFontCollection* collection,
                                                 GpFontFamily** family);
GpStatus WINGDIPAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** family);
GpStatus WINGDIPAPI GdipDeleteFontFamily(GpFontFamily* family);
// Units: UnitPixel, UnitPoint (size × dpi / 72 at drawing), UnitInch,
// UnitDocument (1/300 inch), UnitMillimeter; UnitWorld and UnitDisplay are
// refused with InvalidParameter, as GDI+ refuses them for fonts.
GpStatus WINGDIPAPI GdipCreateFont(GDIPCONST GpFontFamily* family, REAL emSize, INT style,
                                   Unit unit, GpFont** font);
GpStatus WINGDIPAPI GdipDeleteFont(GpFont* font);
// In pixels of graphics (96 dpi without one).
GpStatus WINGDIPAPI GdipGetFontHeight(GDIPCONST GpFont* font, GDIPCONST GpGraphics* graphics,
                                      REAL* height);

GpStatus WINGDIPAPI GdipCreateStringFormat(INT formatAttributes, LANGID language,
                                           GpStringFormat** format);
GpStatus WINGDIPAPI GdipDeleteStringFormat(GpStringFormat* format);
GpStatus WINGDIPAPI GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
GpStatus WINGDIPAPI GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
GpStatus WINGDIPAPI GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming);

// length -1: the text runs to its NUL. A null format is the default one
// (near, near, trimming Character, no flags).
GpStatus WINGDIPAPI GdipMeasureString(GpGraphics* graphics, GDIPCONST WCHAR* text, INT length,
                                      GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                      GDIPCONST GpStringFormat* format, RectF* boundingBox,
                                      INT* codepointsFitted, INT* linesFilled);
GpStatus WINGDIPAPI GdipDrawString(GpGraphics* graphics, GDIPCONST WCHAR* text, INT length,
                                   GDIPCONST GpFont* font, GDIPCONST RectF* layoutRect,
                                   GDIPCONST GpStringFormat* format, GDIPCONST GpBrush* brush);

}  // extern "C"
}  // namespace DllExports
}  // namespace Gdiplus
