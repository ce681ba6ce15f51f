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

// What a picture may cost before decoding starts. The game decodes one small
// picture of its own; anything far beyond that is refused rather than
// allowed to take the machine's memory or time.
struct TJpegLimits {
  int MaxSide = 4096;
  std::size_t MaxPixels = std::size_t{4096} * 4096;
  // libjpeg's working memory (progressive pictures keep all coefficients).
  long MaxWorkingMemory = 256L * 1024 * 1024;
  // A progressive picture needs a handful of scans; thousands of tiny scans
  // are a known way to make a decoder spin.
  int MaxScans = 256;
};

// Decodes a JPEG held in memory with libjpeg. Damaged, truncated or
// non-JPEG input gives an error (libjpeg's warnings about corrupt data
// included), never a partial picture and never an end of the process.
TJpegDecodeResult DecodeJpeg(std::span<const std::uint8_t> bytes, const TJpegLimits& limits = {});
