#include "settings/GameSettings.h"
#include "settings/PlayableSettings.h"

TGameSettings TGameSettings::FromRecord(const TGameRecord& record) {
  TGameSettings settings;
  settings.PlayerName = record.PlayerName();
  settings.SizeX = record.SizeX;
  settings.SizeY = record.SizeY;
  settings.MinePopulation = record.MinePopulation;
  settings.Holes = record.Holes;
  settings.CellSize = record.CellSize;
  settings.Linking = record.Linking;
  settings.ShapeRandom = !record.UsesPattern();
  settings.PatternID = record.PatternID;
  settings.TimedGame = record.Timed();
  settings.GameSpeed = record.GameSpeed;
  settings.HolesThreshold = record.HolesThreshold;
  settings.ShapeThreshold = record.ShapeThreshold;
  settings.LinkThreshold = record.LinkThreshold;
  return settings;
}

void TGameSettings::StoreIn(TGameRecord& record) const {
  record.SetPlayerName(PlayerName);
  record.SizeX = SizeX;
  record.SizeY = SizeY;
  record.MinePopulation = MinePopulation;
  record.Holes = Holes;
  record.CellSize = CellSize;
  record.Linking = Linking;
  record.HolesThreshold = HolesThreshold;
  record.ShapeThreshold = ShapeThreshold;
  record.LinkThreshold = LinkThreshold;
  record.GameSpeed = GameSpeed;
  record.TimedGame = TimedGame ? 1 : 0;
  record.PatternFlag = ShapeRandom ? 0 : 1;
  record.PatternID = PatternID;
}

TGameRecord TGameSettings::ToRecord() const {
  TGameRecord record;
  StoreIn(record);
  return record;
}

TGameSettings TGameSettings::Playable(std::int32_t leastCellSize) const {
  TGameSettings playable = FromRecord(WithPlayableSettings(ToRecord(), leastCellSize));
  // The rule leaves the name alone, and a settings' name may be longer than
  // a record holds.
  playable.PlayerName = PlayerName;
  return playable;
}
