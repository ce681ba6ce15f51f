#include "about/art/Geometry.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Twice the signed area; positive for clockwise outlines on a y-down screen.
double SignedArea2(const std::vector<TPoint>& outline) {
  double sum = 0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const TPoint& a = outline[i];
    const TPoint& b = outline[(i + 1) % outline.size()];
    sum += a.X * b.Y - b.X * a.Y;
  }
  return sum;
}

std::vector<TPoint> Clockwise(std::vector<TPoint> outline) {
  if (SignedArea2(outline) < 0) std::reverse(outline.begin(), outline.end());
  return outline;
}

// Enough segments that a curve looks round at the largest icon size.
int SegmentsFor(double radius) { return std::clamp(static_cast<int>(radius * 2.5), 12, 96); }

}  // namespace

std::vector<TPoint> Rectangle(double left, double top, double right, double bottom) {
  return Clockwise({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

std::vector<TPoint> Arc(TPoint centre, double radius, double from, double to, int steps) {
  std::vector<TPoint> points;
  for (int i = 0; i <= steps; ++i) {
    const double angle = from + (to - from) * i / steps;
    points.push_back({centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)});
  }
  return points;
}

std::vector<TPoint> RoundedRectangle(double left, double top, double right, double bottom, double radius) {
  constexpr double pi = std::numbers::pi;
  const int steps = std::max(3, SegmentsFor(radius) / 4);
  std::vector<TPoint> outline;
  auto corner = [&](double x, double y, double from) {
    const auto arc = Arc({x, y}, radius, from, from + pi / 2, steps);
    outline.insert(outline.end(), arc.begin(), arc.end());
  };
  corner(right - radius, top + radius, -pi / 2);
  corner(right - radius, bottom - radius, 0);
  corner(left + radius, bottom - radius, pi / 2);
  corner(left + radius, top + radius, pi);
  return Clockwise(outline);
}

std::vector<TPoint> Circle(TPoint centre, double radius) {
  auto points = Arc(centre, radius, 0, 2 * std::numbers::pi, SegmentsFor(radius));
  points.pop_back();  // the last point repeats the first
  return Clockwise(points);
}

std::vector<std::vector<TPoint>> Stroke(const std::vector<TPoint>& path, double width) {
  const double half = width / 2;
  std::vector<std::vector<TPoint>> outlines;
  for (const TPoint& point : path) outlines.push_back(Circle(point, half));
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const TPoint a = path[i], b = path[i + 1];
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    if (length == 0) continue;
    const double nx = -(b.Y - a.Y) / length * half, ny = (b.X - a.X) / length * half;
    outlines.push_back(Clockwise({{a.X + nx, a.Y + ny}, {b.X + nx, b.Y + ny}, {b.X - nx, b.Y - ny}, {a.X - nx, a.Y - ny}}));
  }
  return outlines;
}
