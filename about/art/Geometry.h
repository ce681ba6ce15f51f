#pragma once
#include <cstdint>
#include <vector>

// The artwork is plain geometry: filled outlines in solid colours, painted
// in order. The same list becomes pixels (the about picture, the PNG icons)
// or an SVG file, so every picture of the game comes from one drawing.

struct TPoint {
  double X = 0;
  double Y = 0;
};

struct TRgba {
  std::uint8_t R = 0, G = 0, B = 0, A = 255;
};

// Closed outlines filled with the non-zero rule: outlines of one shape that
// run the same way add up, so strokes built from pieces join seamlessly.
struct TShape {
  std::vector<std::vector<TPoint>> Outlines;
  TRgba Colour;
};

struct TDrawing {
  int Size = 0;  // width and height in pixels
  std::vector<TShape> Shapes;
};

// Builders for the outlines the artwork needs; every outline they return
// runs clockwise on screen (y downward), as the non-zero union needs.
std::vector<TPoint> Rectangle(double left, double top, double right, double bottom);
std::vector<TPoint> RoundedRectangle(double left, double top, double right, double bottom, double radius);
std::vector<TPoint> Circle(TPoint centre, double radius);
// A polyline of the given width with round ends and joins, as outlines.
std::vector<std::vector<TPoint>> Stroke(const std::vector<TPoint>& path, double width);
// Points along a circular arc, angles in radians, y downward.
std::vector<TPoint> Arc(TPoint centre, double radius, double from, double to, int steps);
