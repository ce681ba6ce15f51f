#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One game's settings and, once played, its result. The same 96-byte record
// is the current game, the single record of LastGame.dat and the unit of
// Scores.dat, so its byte layout (little-endian) is a file format:
//
//   0  name: length byte (0..16) + 16 bytes      52 holes threshold
//  17  3 reserved                                56 shape threshold
//  20  score          24 clock                   60 link threshold
//  28  SizeX          32 SizeY                   64 GameSpeed
//  36  MinePopulation 40 Holes                   68 TimedGame (byte)
//  44  CellSize       48 Linking                 69 pattern flag (byte)
//  70  6 reserved     76 PatternID               80 16 reserved
constexpr std::size_t GameRecordSize = 96;
constexpr std::size_t MaxNameLength = 16;
using TRecordBytes = std::array<std::uint8_t, GameRecordSize>;

struct TGameRecord {
  std::uint8_t NameLength = 0;
  std::array<char, MaxNameLength> NameChars{};
  std::array<std::uint8_t, 3> Reserved17{};
  std::int32_t Score = 0;
  std::int32_t Clock = 0;
  std::int32_t SizeX = 0;
  std::int32_t SizeY = 0;
  std::int32_t MinePopulation = 0;
  std::int32_t Holes = 0;
  std::int32_t CellSize = 0;
  std::int32_t Linking = 0;
  std::int32_t HolesThreshold = 0;
  std::int32_t ShapeThreshold = 0;
  std::int32_t LinkThreshold = 0;
  std::int32_t GameSpeed = 0;
  std::uint8_t TimedGame = 0;    // any non-zero byte reads as true
  std::uint8_t PatternFlag = 0;  // 1: shapes come from pattern PatternID
  std::array<std::uint8_t, 6> Reserved70{};
  std::int32_t PatternID = 0;
  std::array<std::uint8_t, 16> Reserved80{};

  // The stored name: at most 16 bytes, even when a damaged length byte
  // claims more.
  std::string PlayerName() const;
  // Stores the first 16 bytes of name; the bytes after it become zero.
  void SetPlayerName(std::string_view name);

  bool Timed() const { return TimedGame != 0; }
  bool UsesPattern() const { return PatternFlag != 0; }

  bool operator==(const TGameRecord&) const = default;
};

TRecordBytes EncodeRecord(const TGameRecord& record);
TGameRecord DecodeRecord(const std::uint8_t* bytes);  // reads exactly 96 bytes
// Only the score field of 96 stored bytes, for scans that skip most records.
std::int32_t DecodeScore(const std::uint8_t* bytes);

// The marker that LoadLastGame puts in the score field to tell "nothing read".
constexpr std::int32_t NoRecordScore = -9999;

// LastGame.dat's file side. Saving creates the file when missing and leaves
// the record as its only content; the file is replaced whole, so a save that
// fails or is cut short leaves the previous record. Failures are silent
// (returns false).
bool SaveLastGameFile(const std::string& path, const TGameRecord& record);
// Sets dest.Score to the -9999 marker, then reads the first 96 bytes of the
// file into dest when it holds that many (a shorter file counts as absent).
// Returns whether a record should be applied: dest.Score != -9999. A
// temporary file left by a save that died first is removed, never read.
bool LoadLastGameFile(const std::string& path, TGameRecord& dest);
