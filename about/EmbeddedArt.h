#pragma once
#include <cstdint>
#include <span>

// The game's pictures, made at build time from the artwork's drawing and
// compiled into the program.

// The about box's picture: a 128 x 128 progressive JPEG.
std::span<const std::uint8_t> AboutPictureJpeg();

// One size of the application icon as a PNG file.
struct TEmbeddedIcon {
  int Size;
  std::span<const std::uint8_t> Png;
};

// The icon at every size the desktop's icon theme gets, smallest first.
std::span<const TEmbeddedIcon> ApplicationIconPngs();

// The sizes of the icon a window carries, as RGBA bytes, 4 per pixel, row by
// row: ready to show without decoding anything.
struct TEmbeddedPixels {
  int Size;
  std::span<const std::uint8_t> Rgba;
};

// The window icon's sizes, smallest first.
std::span<const TEmbeddedPixels> WindowIconPixels();
