#include "board/ColourUtils.h"

#include <cmath>

namespace {

// a + (b - a) * t is exact in double for 8-bit channels and a float t (or
// lands so close to a whole number that no tie is in reach), so double gives
// the same rounding as extended precision; lrint rounds ties to even.
int BlendChannel(int a, int b, double t) {
  return int(std::lrint(double(a) + double(b - a) * t));
}

}  // namespace

TColour BlendColour(TColour a, TColour b, float t) {
  if (!(t > 0.0f)) t = 0.0f;  // NaN counts as 0
  if (t > 1.0f) t = 1.0f;
  return RGBColour(BlendChannel(RedOf(a), RedOf(b), t),
                   BlendChannel(GreenOf(a), GreenOf(b), t),
                   BlendChannel(BlueOf(a), BlueOf(b), t));
}
