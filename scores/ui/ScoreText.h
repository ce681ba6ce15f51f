#pragma once
#include <cstdint>
#include <string>

// The texts of the score table's settings columns. They read like the new
// game dialog's labels, without the percent sign.

// A setting held in tenths: 57 -> "5.7".
std::string TenthsText(std::int32_t value);
// A setting held in half-percent steps: 37 -> "7.4" (percent).
std::string PercentText(std::int32_t value);
// "SizeX x SizeY".
std::string SizeText(std::int32_t sizeX, std::int32_t sizeY);
