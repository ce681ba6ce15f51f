#pragma once
#include <cstdint>
#include <string>
#include "settings/GameRecord.h"

// The settings of one game as the new game dialog holds them: the player's
// name, the field and its features, the clock, and the three thresholds
// above which a feature is on. The dialog gives one, the window passes it on
// to the score screen and to the start of a game, and every game record is
// made from one.
struct TGameSettings {
  // Windows-1252 bytes, as typed: a record keeps the first 16.
  std::string PlayerName;
  std::int32_t SizeX = 0;
  std::int32_t SizeY = 0;
  std::int32_t MinePopulation = 0;
  std::int32_t Holes = 0;
  std::int32_t CellSize = 0;
  std::int32_t Linking = 0;
  bool ShapeRandom = true;
  std::int32_t PatternID = 0;
  bool TimedGame = false;
  std::int32_t GameSpeed = 0;
  std::int32_t HolesThreshold = 0;
  std::int32_t ShapeThreshold = 0;
  std::int32_t LinkThreshold = 0;

  // The settings a record holds (its score and clock are no settings).
  static TGameSettings FromRecord(const TGameRecord& record);
  // A record of these settings: the name cut to 16 bytes, the flags 0 or 1,
  // score, clock and every reserved byte zero.
  TGameRecord ToRecord() const;
  // Writes the settings into a record and leaves its other bytes (score,
  // clock, reserved) as they are.
  void StoreIn(TGameRecord& record) const;
  // The settings brought into the range that means something to the game,
  // as WithPlayableSettings does for a stored record.
  TGameSettings Playable(std::int32_t leastCellSize) const;

  bool operator==(const TGameSettings&) const = default;
};
