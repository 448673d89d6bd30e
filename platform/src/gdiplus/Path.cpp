#include "gdiplus/Path.h"

#include <cmath>

namespace platform {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) { return degrees * kPi / 180.0; }

// The parameter of the point of an ellipse whose ray from the centre makes
// angle with the x axis: GDI+ measures arc angles on the ellipse as drawn,
// not on the circle it is stretched from.
double EllipseParameter(double angle, double rx, double ry) {
  return std::atan2(rx * std::sin(angle), ry * std::cos(angle));
}

}  // namespace

void Path::To(double x, double y) {
  if (figureOpen_) {
    steps_.push_back({Op::Line, {x, y}});
  } else {
    steps_.push_back({Op::Move, {x, y}});
    figureOpen_ = true;
  }
}

void Path::ArcPiece(double cx, double cy, double rx, double ry, double from, double to) {
  // The usual cubic for an arc of at most a quarter turn.
  double k = 4.0 / 3.0 * std::tan((to - from) / 4.0);
  double x0 = cx + rx * std::cos(from), y0 = cy + ry * std::sin(from);
  double x3 = cx + rx * std::cos(to), y3 = cy + ry * std::sin(to);
  double x1 = x0 - k * rx * std::sin(from), y1 = y0 + k * ry * std::cos(from);
  double x2 = x3 + k * rx * std::sin(to), y2 = y3 - k * ry * std::cos(to);
  steps_.push_back({Op::Curve, {x1, y1, x2, y2, x3, y3}});
}

void Path::AddArc(double x, double y, double width, double height, double startDegrees,
                  double sweepDegrees) {
  parts_.push_back({"arc", {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                            static_cast<float>(height), static_cast<float>(startDegrees),
                            static_cast<float>(sweepDegrees)}});
  double rx = width / 2, ry = height / 2;
  double cx = x + rx, cy = y + ry;
  double sweep = std::fmax(-360.0, std::fmin(360.0, sweepDegrees));
  double from = EllipseParameter(Radians(startDegrees), rx, ry);
  double to;
  if (std::fabs(sweep) >= 360.0) {
    to = from + (sweep > 0 ? 2 * kPi : -2 * kPi);
  } else {
    to = EllipseParameter(Radians(startDegrees + sweep), rx, ry);
    // Keep the turn's direction and size within one revolution.
    while (sweep > 0 && to < from) to += 2 * kPi;
    while (sweep < 0 && to > from) to -= 2 * kPi;
    if (sweep > 0 && to - from > 2 * kPi) to -= 2 * kPi;
    if (sweep < 0 && from - to > 2 * kPi) to += 2 * kPi;
  }
  To(cx + rx * std::cos(from), cy + ry * std::sin(from));
  if (sweep == 0) return;
  int pieces = static_cast<int>(std::ceil(std::fabs(to - from) / (kPi / 2) - 1e-9));
  if (pieces < 1) pieces = 1;
  double step = (to - from) / pieces;
  for (int i = 0; i < pieces; ++i) {
    ArcPiece(cx, cy, rx, ry, from + step * i, i + 1 == pieces ? to : from + step * (i + 1));
  }
}

void Path::AddRectangle(double x, double y, double width, double height) {
  parts_.push_back({"rectangle", {static_cast<float>(x), static_cast<float>(y),
                                  static_cast<float>(width), static_cast<float>(height)}});
  steps_.push_back({Op::Move, {x, y}});
  steps_.push_back({Op::Line, {x + width, y}});
  steps_.push_back({Op::Line, {x + width, y + height}});
  steps_.push_back({Op::Line, {x, y + height}});
  steps_.push_back({Op::Close, {}});
  figureOpen_ = false;
}

void Path::CloseFigure() {
  parts_.push_back({"close", {}});
  if (!figureOpen_) return;
  steps_.push_back({Op::Close, {}});
  figureOpen_ = false;
}

void Path::Reset() {
  steps_.clear();
  parts_.clear();
  figureOpen_ = false;
  fillMode = Gdiplus::FillModeAlternate;
}

void Path::Emit(cairo_t* cairo) const {
  for (const Step& step : steps_) {
    const double* p = step.points;
    switch (step.op) {
      case Op::Move: cairo_move_to(cairo, p[0], p[1]); break;
      case Op::Line: cairo_line_to(cairo, p[0], p[1]); break;
      case Op::Curve: cairo_curve_to(cairo, p[0], p[1], p[2], p[3], p[4], p[5]); break;
      case Op::Close: cairo_close_path(cairo); break;
    }
  }
}

}  // namespace platform
