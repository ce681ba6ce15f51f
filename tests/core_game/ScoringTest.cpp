#include <limits>
#include <gtest/gtest.h>
#include "game/Scoring.h"

namespace {
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
}  // namespace

TEST(TimeBonus, IsTheRoundedShareOfTheSquaredMinePopulation) {
  EXPECT_EQ(TimeBonus(7, 80), 23);
  EXPECT_EQ(TimeBonus(10, 40), 5);
  EXPECT_EQ(TimeBonus(0, 0), 0);
}

TEST(TimeBonus, RoundsHalvesToEven) {
  EXPECT_EQ(TimeBonus(22, 20), 0);  // 0.5
  EXPECT_EQ(TimeBonus(6, 20), 2);   // 1.5
  EXPECT_EQ(TimeBonus(20, 40), 2);  // 2.5
}

TEST(TimeBonus, HostileSettingsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(TimeBonus(Min32, Max32), Max32);
  EXPECT_EQ(TimeBonus(Max32, Max32), Min32);
}

TEST(ScoreAfterExplosion, KeepsFourFifthsTruncatingTowardZero) {
  EXPECT_EQ(ScoreAfterExplosion(105), 84);
  EXPECT_EQ(ScoreAfterExplosion(-7), -5);
  EXPECT_EQ(ScoreAfterExplosion(Max32), 1717986917);
}

TEST(UnexploredBonus, IsEightTimesTheCountToTheOneAndAHalf) {
  EXPECT_EQ(UnexploredBonus(0), 0);
  EXPECT_EQ(UnexploredBonus(1), 8);
  EXPECT_EQ(UnexploredBonus(2), 23);
  EXPECT_EQ(UnexploredBonus(4), 64);
  EXPECT_EQ(UnexploredBonus(100), 8000);
  EXPECT_EQ(UnexploredBonus(147 * 98), 13832641);  // the largest field, all unexplored
}

TEST(TimeLeftBonus, IsOnePointPerFiveHundredTenthsTimesMines) {
  EXPECT_EQ(TimeLeftBonus(810, 80), 129);
  EXPECT_EQ(TimeLeftBonus(499, 1), 0);
  EXPECT_EQ(TimeLeftBonus(500, 1), 1);
}

TEST(TimeLeftBonus, NoTimeLeftEarnsNothing) {
  EXPECT_EQ(TimeLeftBonus(0, 80), 0);
  EXPECT_EQ(TimeLeftBonus(-20, 200), 0);
  EXPECT_EQ(TimeLeftBonus(Max32, Max32), Max32);
}

TEST(SaturatingAdd, HoldsTheSumWithin32Bits) {
  EXPECT_EQ(SaturatingAdd(1, 2), 3);
  EXPECT_EQ(SaturatingAdd(Max32, 1), Max32);
  EXPECT_EQ(SaturatingAdd(Min32, -1), Min32);
}

TEST(GameTimeText, ShowsMinutesAndSecondsOfWholeSeconds) {
  EXPECT_EQ(GameTimeText(0), " 00:00");
  EXPECT_EQ(GameTimeText(810), " 01:21");
  EXPECT_EQ(GameTimeText(60000), " 100:00");
  EXPECT_EQ(GameTimeText(-1), " 00:00");
  EXPECT_EQ(GameTimeText(-25), " 00:00");
  EXPECT_EQ(GameTimeText(Min32), " 00:00");
  EXPECT_EQ(GameTimeText(Max32), " 3579139:24");
}

TEST(CountdownBar, IsOnePixelPerTwoSecondsUpToItsPanel) {
  EXPECT_EQ(CountdownBarWidth(810, 88), 40);
  EXPECT_EQ(CountdownBarWidth(19, 88), 0);
  EXPECT_EQ(CountdownBarWidth(-1, 88), 0);
  EXPECT_EQ(CountdownBarWidth(Max32, 88), 88);
}

TEST(CountdownBar, TurnsFromBeigeThroughYellowToRed) {
  EXPECT_EQ(CountdownBarColour(40), RGBColour(221, 204, 170));
  EXPECT_EQ(CountdownBarColour(88), RGBColour(221, 204, 170));
  EXPECT_EQ(CountdownBarColour(15), RGBColour(255, 255, 0));
  EXPECT_EQ(CountdownBarColour(5), RGBColour(255, 0, 0));
  EXPECT_EQ(CountdownBarColour(0), RGBColour(255, 0, 0));
  EXPECT_EQ(CountdownBarColour(10), RGBColour(255, 128, 0));
}

TEST(CountdownText, IsRedNearTheEndAndBlackWithTimeToSpare) {
  EXPECT_EQ(CountdownTextColour(10), RGBColour(255, 0, 0));
  EXPECT_EQ(CountdownTextColour(87), clBlack);
  EXPECT_EQ(CountdownTextColour(88), clBlack);
}

TEST(PromptColour, PulsesBetweenTheMenuColourAndOrangeRed) {
  const TColour menu = RGBColour(240, 240, 240);
  EXPECT_EQ(PromptColour(0, menu), menu);
  const TColour low = PromptColour(16, menu);  // 3.2 rad, just past the low point
  EXPECT_EQ(RedOf(low), 255);
  EXPECT_NEAR(GreenOf(low), 64, 1);
  EXPECT_NEAR(BlueOf(low), 0, 1);
}
