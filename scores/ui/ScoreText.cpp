#include "scores/ui/ScoreText.h"

namespace {

// Records are shown as they stand, so damaged ones may hold any 32-bit
// value: work in 64 bits and put a lone sign in front, which keeps "-1.4"
// readable where digit-wise truncation would give "-1.-4".
std::string TenthsOf(std::int64_t tenths) {
  const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
  std::string text = tenths < 0 ? "-" : "";
  text += std::to_string(magnitude / 10);
  text += '.';
  text += std::to_string(magnitude % 10);
  return text;
}

}  // namespace

std::string TenthsText(std::int32_t value) { return TenthsOf(value); }

std::string PercentText(std::int32_t value) { return TenthsOf(std::int64_t(value) * 2); }

std::string SizeText(std::int32_t sizeX, std::int32_t sizeY) {
  return std::to_string(sizeX) + " x " + std::to_string(sizeY);
}
