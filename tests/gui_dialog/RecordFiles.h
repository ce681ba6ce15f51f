#pragma once
#include <QByteArray>
#include <QString>
#include "settings/GameRecord.h"
#include "support/GuiTestSupport.h"

inline void WriteLastGame(const TTempWorkDir& dir, const TGameRecord& record) {
  WriteWholeFile(dir.File("LastGame.dat"), RecordBytes(record));
}

// A record as the dialog builds it from its first-run settings.
inline TGameRecord FirstRunRecord() {
  TGameRecord record;
  record.SizeX = 15;
  record.SizeY = 15;
  record.MinePopulation = 80;
  record.Holes = 10;
  record.CellSize = 10;
  record.Linking = 0;
  record.HolesThreshold = 0;
  record.ShapeThreshold = 10;
  record.LinkThreshold = 0;
  record.GameSpeed = 7;
  return record;
}
