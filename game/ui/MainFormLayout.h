#pragma once

// The main window's design geometry and timing. The toolbar's right-hand components are
// anchored to the right edge: they keep their distance from it as the window
// is resized, so their x positions are given at the design width.
namespace MainFormDesign {
constexpr int ClientWidth = 478;
constexpr int ClientHeight = 511;
constexpr int MinimumWidth = 400;
constexpr int MinimumHeight = 300;

constexpr int ToolbarHeight = 39;
constexpr int StatusBarHeight = 20;
constexpr int EtchedLineWidth = 2;

// The labels grow to the left: their right edges stay put.
constexpr int NumLifelinesRight = 132;
constexpr int NumLifelinesTop = 3;
constexpr int ScoreRight = 346;  // anchored right
constexpr int ScoreTop = 4;

constexpr int NewGameSeparatorX = 68;
constexpr int LifelinesSeparatorX = 136;
constexpr int ScoreSeparatorX = 351;  // anchored right
constexpr int SeparatorTop = 2;
constexpr int SeparatorHeight = 35;

constexpr int CountdownX = 355;  // anchored right
constexpr int CountdownY = 3;
constexpr int CountdownWidth = 88;
constexpr int CountdownHeight = 32;
constexpr int CountdownBarWidth = 40;
constexpr int CountdownBarHeight = 30;
constexpr int PauseX = 447;  // anchored right

// One tick of the game screen is one tenth of the game clock; elsewhere the
// prompts pulse briskly.
constexpr int GameInterval = 100;
constexpr int IdleInterval = 30;
}  // namespace MainFormDesign
