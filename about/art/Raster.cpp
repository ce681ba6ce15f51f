#include "about/art/Raster.h"
#include <algorithm>
#include <cmath>

// Coverage is measured on 16 sub-rows per pixel row, each sub-row's spans
// exactly in x. Shapes are composited in floating point and rounded once at
// the end, so the result is the same on every build.

namespace {

constexpr int kSubRows = 16;

struct TCrossing {
  double X;
  int Winding;
  bool operator<(const TCrossing& other) const { return X < other.X; }
};

// Adds the span [x0, x1) of one sub-row to a row of pixel coverages.
void AddSpan(std::vector<double>& row, double x0, double x1, double weight) {
  const int size = static_cast<int>(row.size());
  x0 = std::clamp(x0, 0.0, static_cast<double>(size));
  x1 = std::clamp(x1, 0.0, static_cast<double>(size));
  if (x1 <= x0) return;
  const int first = static_cast<int>(x0), last = std::min(static_cast<int>(x1), size - 1);
  for (int x = first; x <= last; ++x) {
    const double overlap = std::min(x1, x + 1.0) - std::max(x0, static_cast<double>(x));
    if (overlap > 0) row[x] += overlap * weight;
  }
}

void CollectCrossings(const TShape& shape, double y, std::vector<TCrossing>& crossings) {
  crossings.clear();
  for (const auto& outline : shape.Outlines)
    for (std::size_t i = 0; i < outline.size(); ++i) {
      const TPoint a = outline[i], b = outline[(i + 1) % outline.size()];
      if ((a.Y <= y) == (b.Y <= y)) continue;  // half-open, so vertices count once
      const double x = a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
      crossings.push_back({x, b.Y > a.Y ? 1 : -1});
    }
  std::sort(crossings.begin(), crossings.end());
}

void CoverRow(const TShape& shape, int py, std::vector<double>& row, std::vector<TCrossing>& crossings) {
  std::fill(row.begin(), row.end(), 0.0);
  for (int sub = 0; sub < kSubRows; ++sub) {
    CollectCrossings(shape, py + (sub + 0.5) / kSubRows, crossings);
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].Winding;
      if (winding != 0) AddSpan(row, crossings[i].X, crossings[i + 1].X, 1.0 / kSubRows);
    }
  }
}

// Source-over onto a straight-alpha float pixel.
void Composite(double* pixel, const TRgba& colour, double coverage) {
  const double alpha = std::min(coverage, 1.0) * colour.A / 255.0;
  if (alpha <= 0) return;
  const double outAlpha = alpha + pixel[3] * (1 - alpha);
  const double source[3] = {colour.R / 255.0, colour.G / 255.0, colour.B / 255.0};
  for (int c = 0; c < 3; ++c)
    pixel[c] = (source[c] * alpha + pixel[c] * pixel[3] * (1 - alpha)) / outAlpha;
  pixel[3] = outAlpha;
}

std::uint8_t ToByte(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

TRgbaImage Rasterise(const TDrawing& drawing) {
  const int size = drawing.Size;
  std::vector<double> canvas(static_cast<std::size_t>(size) * size * 4, 0.0);
  std::vector<double> row(size);
  std::vector<TCrossing> crossings;
  for (const TShape& shape : drawing.Shapes)
    for (int y = 0; y < size; ++y) {
      CoverRow(shape, y, row, crossings);
      for (int x = 0; x < size; ++x)
        if (row[x] > 0) Composite(&canvas[(static_cast<std::size_t>(y) * size + x) * 4], shape.Colour, row[x]);
    }
  TRgbaImage image{size, std::vector<std::uint8_t>(canvas.size())};
  for (std::size_t i = 0; i < canvas.size(); ++i) image.Pixels[i] = ToByte(canvas[i]);
  return image;
}
