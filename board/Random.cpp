#include "board/Random.h"

#include <chrono>

void RandSeed(std::uint64_t seed) { RandomGenerator.Seed(seed); }

void RandSeedFromClock() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
  RandSeed(std::uint64_t(now.count()));
}

// A low half below the range may be one of the 2^32 mod range results that
// would make some numbers likelier than others: those are drawn again.
std::uint64_t RandRedraw(std::uint64_t product, std::uint32_t range) {
  const std::uint32_t threshold = std::uint32_t(-range) % range;
  while (std::uint32_t(product) < threshold) product = (RandomGenerator.Next() >> 32) * range;
  return product;
}
