// Every GDI+ flat call the stand-in served, with its arguments, so tests can
// check what was drawn where (the highlight box of a row, the colour of a
// dot, the text of a label) without reading pixels; and the GDI+ objects
// still alive, so tests can see one that was never deleted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

// One call that built a path, in order: "arc" (x, y, width, height, start,
// sweep), "rectangle" (x, y, width, height) or "close" (no values).
struct GdiplusPathPart {
  std::string kind;
  std::vector<float> values;
};

struct GdiplusFontRecord {
  std::u16string family;  // the name asked for; u"" for the generic sans-serif
  std::string face;       // the family drawn: "DejaVu Sans", ...
  float emSize = 0;
  int style = 0;
  int unit = 0;
  float pixelSize = 0;    // the em in pixels on the graphics used
};

struct GdiplusFormatRecord {
  int align = 0;
  int lineAlign = 0;
  int trimming = 0;
  int flags = 0;
};

struct GdiplusCall {
  std::string name;            // "GdipFillPath"
  int status = 0;              // the Status returned
  uintptr_t graphics = 0;      // the graphics drawn on, set or measured with
  uintptr_t object = 0;        // the object made, deleted, changed or used
  std::vector<float> values;   // the REAL arguments, in order
  std::vector<int> options;    // integer arguments: modes, units, styles, lengths, flags
  uint32_t color = 0;          // ARGB of the colour argument, or of the brush or pen used
  float penWidth = 0;          // of the pen used, in pixels
  std::u16string text;         // text drawn or measured; family name asked for
  std::vector<GdiplusPathPart> path;         // FillPath, DrawPath
  std::optional<GdiplusFontRecord> font;     // DrawString, MeasureString, GetFontHeight
  std::optional<GdiplusFormatRecord> format; // DrawString, MeasureString
  // Outputs: MeasureString's box (x, y, width, height), units fitted and
  // lines; GetVisibleClipBounds' box; GetFontHeight's height.
  std::vector<float> results;
};

// A position in the record; the calls made after it are read with
// GdiplusCallsSince. Only the last 65536 calls are kept.
uint64_t GdiplusMark();
std::vector<GdiplusCall> GdiplusCallsSince(uint64_t mark);
// The calls of one name since mark.
std::vector<GdiplusCall> GdiplusCallsNamed(const std::string& name, uint64_t mark);
// Off: calls are not recorded (benchmarks). On by default.
void RecordGdiplusCalls(bool on);

// GDI+ objects alive now ("graphics", "solid fill", "pen", "path", "font
// family", "font", "string format"), oldest first, and whether GDI+ is
// started (a startup without its shutdown).
struct GdiplusObjectRecord {
  uintptr_t id;
  std::string kind;
};
std::vector<GdiplusObjectRecord> LiveGdiplusObjects();
bool GdiplusRunning();

}  // namespace host
