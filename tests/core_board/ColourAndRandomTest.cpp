#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "board/ColourUtils.h"
#include "board/Random.h"

TEST(BlendColour, EndsGiveTheirColoursAndTIsClamped) {
  const TColour a = RGBColour(10, 200, 30), b = RGBColour(250, 0, 99);
  EXPECT_EQ(BlendColour(a, b, 0.0f), a);
  EXPECT_EQ(BlendColour(a, b, 1.0f), b);
  EXPECT_EQ(BlendColour(a, b, -3.0f), a);
  EXPECT_EQ(BlendColour(a, b, 7.5f), b);
  EXPECT_EQ(BlendColour(a, b, std::numeric_limits<float>::quiet_NaN()), a);
}

TEST(BlendColour, RoundsTiesToEven) {
  // 0 + 1 x 0.5 = 0.5 -> 0; 0 + 3 x 0.5 = 1.5 -> 2; 0 + 5 x 0.5 = 2.5 -> 2.
  EXPECT_EQ(BlendColour(RGBColour(0, 0, 0), RGBColour(1, 3, 5), 0.5f), RGBColour(0, 2, 2));
  EXPECT_EQ(BlendColour(RGBColour(255, 1, 7), RGBColour(0, 0, 0), 0.5f), RGBColour(128, 0, 4));
}

TEST(BlendColour, TheBoardsShadesOfWhite) {
  // 0xAACCDD toward white by 0.35 (a float: 0.3499999940...).
  const TColour sunk = BlendColour(0xAACCDD, clWhite, 0.35f);
  EXPECT_EQ(RedOf(sunk), 233);    // 221 + 34 x 0.35 = 232.9
  EXPECT_EQ(GreenOf(sunk), 222);  // 204 + 51 x 0.35 = 221.85
  EXPECT_EQ(BlueOf(sunk), 200);   // 170 + 85 x 0.35 = 199.75
  // Exactly representable quarter: 100 x 0.25 = 25.
  EXPECT_EQ(BlendColour(RGBColour(100, 0, 0), clBlack, 0.25f), RGBColour(75, 0, 0));
}

TEST(RandInt, StaysInRangeAndReplaysFromASeed) {
  RandSeed(42);
  std::array<int, 7> seen{};
  for (int i = 0; i < 7000; ++i) {
    const int value = RandInt(7);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, 7);
    ++seen[value];
  }
  for (const int count : seen) EXPECT_GT(count, 850);  // about 1000 each
  EXPECT_EQ(RandInt(0), 0);
  EXPECT_EQ(RandInt(-5), 0);
  EXPECT_EQ(RandInt(1), 0);
  RandSeed(99);
  const int a = RandInt(1000000), b = RandInt(1000000);
  RandSeed(99);
  EXPECT_EQ(RandInt(1000000), a);
  EXPECT_EQ(RandInt(1000000), b);
  EXPECT_LT(RandInt(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}
