#include "settings/GameRecord.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "settings/SafeWrite.h"

namespace {

// Byte offsets of the record's fields; the layout is shared by LastGame.dat
// and Scores.dat, so it must never move.
constexpr std::size_t OffNameLength = 0;
constexpr std::size_t OffNameChars = 1;
constexpr std::size_t OffReserved17 = 17;
constexpr std::size_t OffScore = 20;
constexpr std::size_t OffClock = 24;
constexpr std::size_t OffSizeX = 28;
constexpr std::size_t OffSizeY = 32;
constexpr std::size_t OffMinePopulation = 36;
constexpr std::size_t OffHoles = 40;
constexpr std::size_t OffCellSize = 44;
constexpr std::size_t OffLinking = 48;
constexpr std::size_t OffHolesThreshold = 52;
constexpr std::size_t OffShapeThreshold = 56;
constexpr std::size_t OffLinkThreshold = 60;
constexpr std::size_t OffGameSpeed = 64;
constexpr std::size_t OffTimedGame = 68;
constexpr std::size_t OffPatternFlag = 69;
constexpr std::size_t OffReserved70 = 70;
constexpr std::size_t OffPatternID = 76;
constexpr std::size_t OffReserved80 = 80;

void PutInt32(TRecordBytes& bytes, std::size_t offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* bytes, std::size_t offset) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i)
    bits |= std::uint32_t{bytes[offset + i]} << (8 * i);
  return static_cast<std::int32_t>(bits);  // two's complement, as stored
}

template <std::size_t N>
void PutBytes(TRecordBytes& bytes, std::size_t offset, const std::array<std::uint8_t, N>& from) {
  std::copy(from.begin(), from.end(), bytes.begin() + offset);
}

template <std::size_t N>
void GetBytes(const std::uint8_t* bytes, std::size_t offset, std::array<std::uint8_t, N>& to) {
  std::copy(bytes + offset, bytes + offset + N, to.begin());
}

}  // namespace

std::string TGameRecord::PlayerName() const {
  const std::size_t length = std::min<std::size_t>(NameLength, MaxNameLength);
  return std::string(NameChars.data(), length);
}

void TGameRecord::SetPlayerName(std::string_view name) {
  const std::size_t length = std::min(name.size(), MaxNameLength);
  NameChars.fill('\0');
  std::copy_n(name.data(), length, NameChars.begin());
  NameLength = static_cast<std::uint8_t>(length);
}

TRecordBytes EncodeRecord(const TGameRecord& record) {
  TRecordBytes bytes{};
  bytes[OffNameLength] = record.NameLength;
  std::memcpy(bytes.data() + OffNameChars, record.NameChars.data(), MaxNameLength);
  PutBytes(bytes, OffReserved17, record.Reserved17);
  PutInt32(bytes, OffScore, record.Score);
  PutInt32(bytes, OffClock, record.Clock);
  PutInt32(bytes, OffSizeX, record.SizeX);
  PutInt32(bytes, OffSizeY, record.SizeY);
  PutInt32(bytes, OffMinePopulation, record.MinePopulation);
  PutInt32(bytes, OffHoles, record.Holes);
  PutInt32(bytes, OffCellSize, record.CellSize);
  PutInt32(bytes, OffLinking, record.Linking);
  PutInt32(bytes, OffHolesThreshold, record.HolesThreshold);
  PutInt32(bytes, OffShapeThreshold, record.ShapeThreshold);
  PutInt32(bytes, OffLinkThreshold, record.LinkThreshold);
  PutInt32(bytes, OffGameSpeed, record.GameSpeed);
  bytes[OffTimedGame] = record.TimedGame;
  bytes[OffPatternFlag] = record.PatternFlag;
  PutBytes(bytes, OffReserved70, record.Reserved70);
  PutInt32(bytes, OffPatternID, record.PatternID);
  PutBytes(bytes, OffReserved80, record.Reserved80);
  return bytes;
}

TGameRecord DecodeRecord(const std::uint8_t* bytes) {
  TGameRecord record;
  record.NameLength = bytes[OffNameLength];
  std::memcpy(record.NameChars.data(), bytes + OffNameChars, MaxNameLength);
  GetBytes(bytes, OffReserved17, record.Reserved17);
  record.Score = GetInt32(bytes, OffScore);
  record.Clock = GetInt32(bytes, OffClock);
  record.SizeX = GetInt32(bytes, OffSizeX);
  record.SizeY = GetInt32(bytes, OffSizeY);
  record.MinePopulation = GetInt32(bytes, OffMinePopulation);
  record.Holes = GetInt32(bytes, OffHoles);
  record.CellSize = GetInt32(bytes, OffCellSize);
  record.Linking = GetInt32(bytes, OffLinking);
  record.HolesThreshold = GetInt32(bytes, OffHolesThreshold);
  record.ShapeThreshold = GetInt32(bytes, OffShapeThreshold);
  record.LinkThreshold = GetInt32(bytes, OffLinkThreshold);
  record.GameSpeed = GetInt32(bytes, OffGameSpeed);
  record.TimedGame = bytes[OffTimedGame];
  record.PatternFlag = bytes[OffPatternFlag];
  GetBytes(bytes, OffReserved70, record.Reserved70);
  record.PatternID = GetInt32(bytes, OffPatternID);
  GetBytes(bytes, OffReserved80, record.Reserved80);
  return record;
}

std::int32_t DecodeScore(const std::uint8_t* bytes) { return GetInt32(bytes, OffScore); }

bool SaveLastGameFile(const std::string& path, const TGameRecord& record) {
  // The record replaces the file whole, so it is always the file's only
  // content, and a save that fails or dies half way leaves the previous one.
  const TRecordBytes bytes = EncodeRecord(record);
  return ReplaceFileWhole(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool LoadLastGameFile(const std::string& path, TGameRecord& dest) {
  dest.Score = NoRecordScore;
  RemoveLeftoverTemp(path);  // what a save that died left behind is never read
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  TRecordBytes bytes{};
  // A file shorter than one record was never written by the game: treat it
  // as absent rather than apply half a record.
  const bool whole = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
  std::fclose(file);
  if (whole) dest = DecodeRecord(bytes.data());
  return dest.Score != NoRecordScore;
}
