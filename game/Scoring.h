#pragma once
#include <cstdint>
#include <string>
#include "board/Arithmetic.h"
#include "board/ColourUtils.h"

// The window's share of a game's arithmetic: what it adds to the board's
// fixed amounts, and how it shows the clock. Everything here saturates at the
// 32-bit limits (board/Arithmetic.h), so that a hostile record can never
// overflow the score.

// Tenths of a second added to a timed game's clock for every safe uncover:
// round((30 - speed) x mines x mines / 6400), ties to even.
std::int32_t TimeBonus(std::int32_t gameSpeed, std::int32_t minePopulation);

// A mine that goes off takes a fifth of the score: score x 4 div 5.
std::int32_t ScoreAfterExplosion(std::int32_t score);

// Leaving areas unexplored at success earns round(8 x u^1.5), ties to even.
std::int32_t UnexploredBonus(std::int32_t unexplored);

// The time left at success: clock x 0.2 x mines x 0.01, truncated. A clock
// below zero (a defused mine's penalty taken in the last two seconds) has no
// time left and earns nothing.
std::int32_t TimeLeftBonus(std::int32_t clock, std::int32_t minePopulation);

// The countdown's text: a space, minutes and seconds of max(0, clock div 10),
// each at least two digits (" 00:00", " 01:21", " 100:00").
std::string GameTimeText(std::int32_t clock);

// The countdown bar's width: one pixel per two whole seconds, at most limit.
int CountdownBarWidth(std::int32_t clock, int limit);

// A timed game's bar: light beige while wide, yellow, then red as it shrinks.
TColour CountdownBarColour(int barWidth);
// A timed game's clock text: black while there is time, red near the end.
TColour CountdownTextColour(int barWidth);

// The prompt pulse: orange-red at the pulse's low point, the menu colour at
// its high point.
TColour PromptColour(std::int32_t pulseCount, TColour menuColour);
