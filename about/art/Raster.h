#pragma once
#include <cstdint>
#include <vector>
#include "about/art/Geometry.h"

// Straight (not premultiplied) 8-bit RGBA pixels, rows top to bottom.
struct TRgbaImage {
  int Size = 0;
  std::vector<std::uint8_t> Pixels;  // Size * Size * 4
};

// Paints the drawing with anti-aliased edges onto a transparent square.
TRgbaImage Rasterise(const TDrawing& drawing);
