#include "settings/Format.h"

std::string FormatTenths(std::int64_t tenths) {
  // Work on the magnitude as unsigned so that the most negative value
  // formats without overflow.
  const bool negative = tenths < 0;
  const std::uint64_t magnitude =
      negative ? std::uint64_t(0) - std::uint64_t(tenths) : std::uint64_t(tenths);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 10);
  text += '.';
  text += std::to_string(magnitude % 10);
  return text;
}
