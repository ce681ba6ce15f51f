#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A decoded picture: 8-bit red, green, blue per pixel, rows top to bottom
// without padding (Width * 3 bytes a row).
struct TRgbImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;
};

// The outcome of one decode: the picture, or why there is none.
struct TJpegDecodeResult {
  TRgbImage Image;
  std::string Error;
  bool Ok() const { return Error.empty(); }
};

// Decodes a JPEG held in memory with libjpeg. Damaged, truncated or
// non-JPEG input gives an error, never a partial picture and never an end of
// the process.
TJpegDecodeResult DecodeJpeg(std::span<const std::uint8_t> bytes);
