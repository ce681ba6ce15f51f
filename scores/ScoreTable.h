#pragma once
#include <cstdint>
#include <span>
#include <string>
#include "settings/GameRecord.h"

// Scores.dat: a headerless sequence of 96-byte game records, oldest first,
// that only ever grows.
inline constexpr const char* ScoresFile = "Scores.dat";

// The match slider's greatest position: every game passes the filter there.
constexpr int MatchLevelAll = 75;
// Rows the score list can hold after its reference record.
constexpr int MaxScoreRows = 48;

// Appends one record at record number (file size div 96), so a trailing
// fragment is overwritten. Two copies of the game that append at once both
// keep their record: the file is locked while its end is found and written;
// an append that cannot have the lock within a second writes nothing.
// Failures are silent (returns false).
bool AppendScore(const std::string& path, const TGameRecord& record);

// The distance between the settings of the current game a and a listed game b.
std::int32_t MatchDistance(const TGameRecord& a, const TGameRecord& b);

// A row that stands for no game: "Nobody", score 0, settings zero.
TGameRecord PlaceholderRow();

// Places r among rows[1..n] (rows[0] is the reference), descending by score,
// older first among equals.
void InsertScore(std::span<TGameRecord> rows, const TGameRecord& r, int n);

struct TScoreFilter {
  bool PlayerOnly = false;
  std::string PlayerName;  // compared exactly with its first 16 bytes
  int MatchLevel = MatchLevelAll;
};

// Refills rows[1..n] with placeholders and then the best records of the file
// that pass the filter against the reference rows[0].
void LoadScoreRows(const std::string& path, std::span<TGameRecord> rows, int n,
                   const TScoreFilter& filter);
