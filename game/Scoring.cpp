#include "game/Scoring.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::string TwoDigits(std::int32_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::int32_t TimeBonus(std::int32_t gameSpeed, std::int32_t minePopulation) {
  // The product is exact in 64 bits for every 32-bit input pair but the most
  // extreme, which the long double then carries.
  const long double product =
      (30.0L - gameSpeed) * static_cast<long double>(minePopulation) * minePopulation;
  return RoundToInt32(product / 6400.0L);
}

std::int32_t ScoreAfterExplosion(std::int32_t score) {
  return std::int32_t(std::int64_t(score) * 4 / 5);
}

std::int32_t UnexploredBonus(std::int32_t unexplored) {
  if (unexplored <= 0) return 0;
  return RoundToInt32(8.0L * std::pow(static_cast<long double>(unexplored), 1.5L));
}

std::int32_t TimeLeftBonus(std::int32_t clock, std::int32_t minePopulation) {
  if (clock <= 0) return 0;
  // Evaluated from the left in extended precision, as the bonus always was.
  return TruncateToInt32(static_cast<long double>(clock) * 0.2L * minePopulation * 0.01L);
}

std::string GameTimeText(std::int32_t clock) {
  const std::int32_t seconds = std::max<std::int32_t>(0, clock / 10);
  return " " + TwoDigits(seconds / 60) + ":" + TwoDigits(seconds % 60);
}

int CountdownBarWidth(std::int32_t clock, int limit) {
  const std::int32_t seconds = std::max<std::int32_t>(0, clock / 10);
  return int(std::min<std::int64_t>(seconds / 2, limit));
}

TColour CountdownBarColour(int barWidth) {
  const TColour yellowToBeige = BlendColour(0x00FFFF, 0xAACCDD, float((barWidth - 15) * 0.04L));
  return BlendColour(0x0000FF, yellowToBeige, float((barWidth - 5) * 0.1L));
}

TColour CountdownTextColour(int barWidth) {
  return BlendColour(0x0000FF, 0x000000, float((barWidth - 10) * 0.013L));
}

TColour PromptColour(std::int32_t pulseCount, TColour menuColour) {
  const long double fraction = std::cos(pulseCount * 0.2L) * 0.5L + 0.5L;
  return BlendColour(0x0040FF, menuColour, float(fraction));
}
