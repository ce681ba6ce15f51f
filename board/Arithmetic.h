#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// The game's arithmetic: reals round to the nearest integer with ties to
// even, and 32-bit counters saturate instead of wrapping when a damaged
// record feeds them absurd values.

// Rounds to nearest, ties to even, and clamps into the 32-bit range (NaN
// gives 0).
inline std::int32_t RoundToInt32(long double value) {
  if (std::isnan(value)) return 0;
  const long double rounded = std::nearbyint(value);
  if (rounded >= 2147483647.0L) return std::numeric_limits<std::int32_t>::max();
  if (rounded <= -2147483648.0L) return std::numeric_limits<std::int32_t>::min();
  return std::int32_t(rounded);
}

// Truncates toward zero and clamps into the 32-bit range (NaN gives 0).
inline std::int32_t TruncateToInt32(long double value) {
  if (std::isnan(value)) return 0;
  const long double truncated = std::trunc(value);
  if (truncated >= 2147483647.0L) return std::numeric_limits<std::int32_t>::max();
  if (truncated <= -2147483648.0L) return std::numeric_limits<std::int32_t>::min();
  return std::int32_t(truncated);
}

inline std::int32_t SaturateToInt32(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return std::int32_t(value);
}

// a + b, held within the 32-bit range.
inline std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b) {
  return SaturateToInt32(std::int64_t(a) + b);
}
