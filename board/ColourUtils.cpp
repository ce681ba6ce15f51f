#include "board/ColourUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// One channel of the blend, rounded to nearest with ties to even (the
// default rounding mode of nearbyint).
int BlendChannel(int a, int b, float t) {
  const float mixed = float(a) + float(b - a) * t;
  return std::clamp(int(std::nearbyint(mixed)), 0, 255);
}

}  // namespace

TColour BlendColour(TColour a, TColour b, float t) {
  if (!(t > 0.0f)) t = 0.0f;  // also catches NaN
  if (t > 1.0f) t = 1.0f;
  return RGBColour(BlendChannel(RedOf(a), RedOf(b), t),
                   BlendChannel(GreenOf(a), GreenOf(b), t),
                   BlendChannel(BlueOf(a), BlueOf(b), t));
}
