#pragma once
#include <cstdint>

// The one process-wide random generator. The main window seeds it from the
// clock; tests seed it to replay a field.
void RandSeed(std::uint64_t seed);
void RandSeedFromClock();

// xoshiro256**: fast, small and of good statistical quality; its state is
// filled from the seed with splitmix64 as its authors recommend. It is here
// rather than in Random.cpp so that a draw costs no call: generation makes
// tens of thousands of them per field.
class TRandomGenerator {
 public:
  constexpr explicit TRandomGenerator(std::uint64_t seed) { Seed(seed); }

  constexpr void Seed(std::uint64_t seed) {
    for (auto& word : State) {
      seed += 0x9E3779B97F4A7C15ull;
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      word = z ^ (z >> 31);
    }
  }

  std::uint64_t Next() {
    const std::uint64_t result = RotateLeft(State[1] * 5, 7) * 9;
    const std::uint64_t t = State[1] << 17;
    State[2] ^= State[0];
    State[3] ^= State[1];
    State[1] ^= State[2];
    State[0] ^= State[3];
    State[2] ^= t;
    State[3] = RotateLeft(State[3], 45);
    return result;
  }

 private:
  static constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t State[4]{};
};

// Every random choice of the game draws from this one generator, so a
// seeded test replays a whole field. It is ready at compile time, so no
// call can find it unseeded.
inline constinit TRandomGenerator RandomGenerator{0x5EEDu};

// The rare second half of RandInt: drawing again past the biased results.
std::uint64_t RandRedraw(std::uint64_t product, std::uint32_t range);

// A uniform integer in 0..n-1 (0 when n <= 0). Exactly uniform: the high half of a 32 x 32-bit product, with the few
// biased low results rejected (Lemire's method).
inline int RandInt(int n) {
  if (n <= 0) return 0;
  const auto range = std::uint32_t(n);
  std::uint64_t product = (RandomGenerator.Next() >> 32) * range;
  if (std::uint32_t(product) < range) product = RandRedraw(product, range);
  return int(product >> 32);
}
