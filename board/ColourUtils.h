#pragma once
#include <cstdint>

// Colours are 24-bit values 0x00BBGGRR: red in the low byte, as the game's
// files and tables give them.
using TColour = std::uint32_t;

constexpr TColour RGBColour(int red, int green, int blue) {
  return TColour(red & 0xFF) | (TColour(green & 0xFF) << 8) | (TColour(blue & 0xFF) << 16);
}
constexpr int RedOf(TColour c) { return int(c & 0xFF); }
constexpr int GreenOf(TColour c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(TColour c) { return int((c >> 16) & 0xFF); }

constexpr TColour clBlack = 0x000000;
constexpr TColour clWhite = 0xFFFFFF;
constexpr TColour clRed = 0x0000FF;
constexpr TColour clSilver = 0xC0C0C0;

// Mixes a toward b: t = 0 gives a, t = 1 gives b; t is clamped to 0..1 and
// each channel is rounded to nearest, ties to even.
TColour BlendColour(TColour a, TColour b, float t);
