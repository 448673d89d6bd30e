// A GDI+ path: figures of lines and Bézier curves (arcs are turned into
// curves when they are added, as GDI+ does), and the calls that built it,
// for the call record.
#pragma once

#include <cairo.h>

#include <vector>

#include "Platform.h"
#include "host/gdiplus/GdiplusCalls.h"

namespace platform {

class Path : public Gdiplus::GpPath {
 public:
  using Public = Gdiplus::GpPath;
  static constexpr const char* kKind = "path";

  explicit Path(Gdiplus::FillMode fillMode) : fillMode(fillMode) {}

  void AddArc(double x, double y, double width, double height, double startDegrees,
              double sweepDegrees);
  void AddRectangle(double x, double y, double width, double height);
  // Ends the open figure with a line back to its start; the next part
  // starts a new figure.
  void CloseFigure();
  void Reset();

  // Adds the figures to cairo's current path.
  void Emit(cairo_t* cairo) const;

  const std::vector<host::GdiplusPathPart>& Parts() const { return parts_; }

  Gdiplus::FillMode fillMode;

 private:
  enum class Op { Move, Line, Curve, Close };
  struct Step {
    Op op;
    double points[6];
  };
  void To(double x, double y);
  void ArcPiece(double cx, double cy, double rx, double ry, double from, double to);

  std::vector<Step> steps_;
  bool figureOpen_ = false;
  std::vector<host::GdiplusPathPart> parts_;
};

}  // namespace platform
