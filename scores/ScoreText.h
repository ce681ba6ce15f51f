#pragma once
#include <array>
#include <cstdint>
#include <string>
#include "board/Phrase.h"

struct TGameRecord;

// The texts of the score table's settings columns. They read like the new
// game dialog's labels, without the percent sign.

// A setting held in tenths: 57 -> "5.7".
std::string TenthsText(std::int32_t value);
// A setting held in half-percent steps: 37 -> "7.4" (percent).
std::string PercentText(std::int32_t value);
// "SizeX x SizeY".
std::string SizeText(std::int32_t sizeX, std::int32_t sizeY);

// The table's columns in their order on the screen, left to right.
enum TScoreColumn { sc_Player, sc_Timed, sc_Linking, sc_ShapedCells, sc_Mines, sc_Holes, sc_Size, sc_Score, sc_Count };
using TScoreRowTexts = std::array<std::string, sc_Count>;

// What a listed game's row shows in each column: the player's name as
// stored (Windows-1252), the game speed of a timed game (nothing for an
// untimed one), the settings and the score.
TScoreRowTexts ScoreRowTexts(const TGameRecord& game);
// The name of each column for a reader of the table: "Player", "Timed",
// "Linking", "Shaped cells", "Mines", "Holes", "Size", "Score", as a phrase
// for the windows to translate.
TPhrase ScoreColumnPhrase(TScoreColumn column);
