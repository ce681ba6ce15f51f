#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "FilesTestSupport.h"
#include "settings/GameRecord.h"
#include "settings/GameSettings.h"

namespace {

// A record with a different value in every byte it owns, so that a field
// written to the wrong offset cannot go unnoticed.
TGameRecord DistinctRecord() {
  TGameRecord r;
  r.NameLength = 0x05;
  for (std::size_t i = 0; i < MaxNameLength; ++i) r.NameChars[i] = static_cast<char>(0x41 + i);
  r.Reserved17 = {0xA1, 0xA2, 0xA3};
  r.Score = 0x17161514;
  r.Clock = 0x1B1A1918;
  r.SizeX = 0x1F1E1D1C;
  r.SizeY = 0x23222120;
  r.MinePopulation = 0x27262524;
  r.Holes = 0x2B2A2928;
  r.CellSize = 0x2F2E2D2C;
  r.Linking = 0x33323130;
  r.HolesThreshold = 0x37363534;
  r.ShapeThreshold = 0x3B3A3938;
  r.LinkThreshold = 0x3F3E3D3C;
  r.GameSpeed = 0x43424140;
  r.TimedGame = 0x44;
  r.PatternFlag = 0x45;
  r.Reserved70 = {0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B};
  r.PatternID = 0x4F4E4D4C;
  for (std::size_t i = 0; i < 16; ++i) r.Reserved80[i] = static_cast<std::uint8_t>(0x50 + i);
  return r;
}

TRecordBytes RandomBytes(std::mt19937& random) {
  TRecordBytes bytes;
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

}  // namespace

TEST(GameRecordLayout, EveryFieldSitsAtItsLittleEndianOffset) {
  const TRecordBytes bytes = EncodeRecord(DistinctRecord());
  TRecordBytes expected{};
  expected[0] = 0x05;
  for (int i = 0; i < 16; ++i) expected[1 + i] = static_cast<std::uint8_t>(0x41 + i);
  expected[17] = 0xA1, expected[18] = 0xA2, expected[19] = 0xA3;
  // From offset 20 to 67 the test record's bytes count up from 0x14.
  for (int i = 20; i < 68; ++i) expected[i] = static_cast<std::uint8_t>(i);
  expected[68] = 0x44;
  expected[69] = 0x45;
  for (int i = 70; i < 76; ++i) expected[i] = static_cast<std::uint8_t>(0x46 + (i - 70));
  expected[76] = 0x4C, expected[77] = 0x4D, expected[78] = 0x4E, expected[79] = 0x4F;
  for (int i = 80; i < 96; ++i) expected[i] = static_cast<std::uint8_t>(0x50 + (i - 80));
  for (std::size_t i = 0; i < GameRecordSize; ++i) EXPECT_EQ(bytes[i], expected[i]) << "byte " << i;
}

TEST(GameRecordLayout, NegativeNumbersAreTwosComplement) {
  TGameRecord r;
  r.Score = -2;
  r.PatternID = -9999;
  const TRecordBytes bytes = EncodeRecord(r);
  EXPECT_EQ(bytes[20], 0xFE);
  EXPECT_EQ(bytes[23], 0xFF);
  EXPECT_EQ(DecodeRecord(bytes.data()).Score, -2);
  EXPECT_EQ(DecodeRecord(bytes.data()).PatternID, -9999);
}

TEST(GameRecordLayout, DecodeReadsBackEveryField) {
  const TGameRecord original = DistinctRecord();
  const TRecordBytes bytes = EncodeRecord(original);
  EXPECT_EQ(DecodeRecord(bytes.data()), original);
}

TEST(GameRecordLayout, AllNinetySixBytesSurviveARoundTrip) {
  std::mt19937 random(96);
  for (int trial = 0; trial < 200; ++trial) {
    const TRecordBytes bytes = RandomBytes(random);
    EXPECT_EQ(EncodeRecord(DecodeRecord(bytes.data())), bytes);
  }
}

TEST(GameRecordLayout, AnyNonZeroBooleanByteReadsAsTrue) {
  TRecordBytes bytes{};
  bytes[68] = 7;
  bytes[69] = 0x80;
  const TGameRecord r = DecodeRecord(bytes.data());
  EXPECT_TRUE(r.Timed());
  EXPECT_TRUE(r.UsesPattern());
  bytes[68] = bytes[69] = 0;
  EXPECT_FALSE(DecodeRecord(bytes.data()).Timed());
  EXPECT_FALSE(DecodeRecord(bytes.data()).UsesPattern());
}

TEST(GameRecordName, ALongNameIsStoredAsItsFirstSixteenCharacters) {
  TGameRecord r;
  r.SetPlayerName("Maximilian Octavius");
  EXPECT_EQ(r.NameLength, 16);
  EXPECT_EQ(r.PlayerName(), "Maximilian Octav");
  EXPECT_EQ(EncodeRecord(r)[0], 16);
}

TEST(GameRecordName, AShorterNameClearsTheBytesAfterIt) {
  TGameRecord r;
  r.SetPlayerName("Maximilian Octavius");
  r.SetPlayerName("Ann");
  EXPECT_EQ(r.PlayerName(), "Ann");
  const TRecordBytes bytes = EncodeRecord(r);
  EXPECT_EQ(bytes[0], 3);
  for (int i = 4; i < 17; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(GameRecordName, EightBitCharactersAreKeptAsBytes) {
  TGameRecord r;
  r.SetPlayerName("Ren\xE9\xA0\xFF");
  EXPECT_EQ(r.PlayerName(), "Ren\xE9\xA0\xFF");
}

TEST(GameRecordName, ADamagedLengthByteNeverReadsPastTheSixteenBytes) {
  TRecordBytes bytes{};
  bytes[0] = 200;
  for (int i = 1; i <= 16; ++i) bytes[i] = 'a' + (i - 1);
  bytes[17] = 'X';
  EXPECT_EQ(DecodeRecord(bytes.data()).PlayerName(), "abcdefghijklmnop");
}

TEST(LastGameFile, SavingCreatesTheFileWithTheRecordAsItsOnlyContent) {
  TScratchWorkDir dir;
  const TGameRecord r = DistinctRecord();
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", r));
  const TRecordBytes expected = EncodeRecord(r);
  EXPECT_EQ(ReadBytes("LastGame.dat"),
            std::string(reinterpret_cast<const char*>(expected.data()), expected.size()));
}

TEST(LastGameFile, SavingTwiceLeavesNinetySixBytes) {
  TScratchWorkDir dir;
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", DistinctRecord()));
  TGameRecord second;
  second.SetPlayerName("Second");
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", second));
  EXPECT_EQ(std::filesystem::file_size("LastGame.dat"), 96u);
  TGameRecord loaded;
  loaded.Score = 1;  // the marker must be replaced by the stored score (0)
  EXPECT_TRUE(LoadLastGameFile("LastGame.dat", loaded));
  EXPECT_EQ(loaded, second);
}

TEST(LastGameFile, SavingOverALongerFileTruncatesIt) {
  TScratchWorkDir dir;
  WriteBytes("LastGame.dat", std::string(1000, 'x'));
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", DistinctRecord()));
  EXPECT_EQ(std::filesystem::file_size("LastGame.dat"), 96u);
}

TEST(LastGameFile, SavingWhereNoFileCanBeMadeFailsQuietly) {
  TScratchWorkDir dir;
  std::filesystem::create_directory("LastGame.dat");
  EXPECT_FALSE(SaveLastGameFile("LastGame.dat", DistinctRecord()));
  EXPECT_FALSE(SaveLastGameFile("no-such-dir/LastGame.dat", DistinctRecord()));
  EXPECT_TRUE(std::filesystem::is_directory("LastGame.dat"));
}

TEST(LastGameFile, LoadingRestoresWhatWasSaved) {
  TScratchWorkDir dir;
  TGameRecord saved = DistinctRecord();
  saved.Score = 0;  // the dialog saves with score 0
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", saved));
  TGameRecord loaded;
  EXPECT_TRUE(LoadLastGameFile("LastGame.dat", loaded));
  EXPECT_EQ(loaded, saved);
}

TEST(LastGameFile, AnAbsentFileLeavesOnlyTheMarker) {
  TScratchWorkDir dir;
  TGameRecord dest = DistinctRecord();
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", dest));
  TGameRecord expected = DistinctRecord();
  expected.Score = NoRecordScore;
  EXPECT_EQ(dest, expected);
}

TEST(LastGameFile, AFileShorterThanOneRecordCountsAsAbsent) {
  TScratchWorkDir dir;
  const TRecordBytes bytes = EncodeRecord(DistinctRecord());
  WriteBytes("LastGame.dat", std::string(reinterpret_cast<const char*>(bytes.data()), 95));
  TGameRecord dest;
  dest.SizeX = 12;
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", dest));
  EXPECT_EQ(dest.Score, NoRecordScore);
  EXPECT_EQ(dest.SizeX, 12);
  WriteBytes("LastGame.dat", "");
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", dest));
}

TEST(LastGameFile, AStoredScoreOfMinus9999ReadsAsNoRecord) {
  TScratchWorkDir dir;
  TGameRecord r = DistinctRecord();
  r.Score = -9999;
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", r));
  TGameRecord dest;
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", dest));
}

TEST(LastGameFile, OnlyTheFirstRecordOfALongerFileIsRead) {
  TScratchWorkDir dir;
  const TRecordBytes first = EncodeRecord(DistinctRecord());
  std::string content(reinterpret_cast<const char*>(first.data()), first.size());
  content += std::string(500, '\x7F');
  WriteBytes("LastGame.dat", content);
  TGameRecord dest;
  EXPECT_TRUE(LoadLastGameFile("LastGame.dat", dest));
  EXPECT_EQ(dest, DistinctRecord());
}

TEST(LastGameFile, ADirectoryInPlaceOfTheFileCountsAsAbsent) {
  TScratchWorkDir dir;
  std::filesystem::create_directory("LastGame.dat");
  TGameRecord dest;
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", dest));
  EXPECT_EQ(dest.Score, NoRecordScore);
}

TEST(GameRecordLayout, TheScoreAloneDecodesLikeTheWholeRecord) {
  std::mt19937 random(20);
  for (int trial = 0; trial < 50; ++trial) {
    const TRecordBytes bytes = RandomBytes(random);
    EXPECT_EQ(DecodeScore(bytes.data()), DecodeRecord(bytes.data()).Score);
  }
}

// The settings of a record travel through the settings type whole: the game
// in play and the dialog's saved record are made from it, so a field it lost
// or a byte it let through would reach Scores.dat and LastGame.dat.
TEST(GameSettings, CarryEverySettingAndNothingElse) {
  const TGameRecord damaged = DistinctRecord();
  const TGameRecord made = TGameSettings::FromRecord(damaged).ToRecord();
  TGameRecord expected = damaged;
  expected.SetPlayerName(damaged.PlayerName());
  expected.Reserved17 = {};
  expected.Reserved70 = {};
  expected.Reserved80 = {};
  expected.Score = 0;
  expected.Clock = 0;
  expected.TimedGame = 1;
  expected.PatternFlag = 1;
  EXPECT_EQ(made, expected);

  // Stored into a record, the settings leave its result where it is.
  TGameRecord current = DistinctRecord();
  TGameSettings settings = TGameSettings::FromRecord(current);
  settings.PlayerName = "A name longer than sixteen";
  settings.ShapeRandom = true;
  settings.StoreIn(current);
  EXPECT_EQ(current.Score, damaged.Score);
  EXPECT_EQ(current.Clock, damaged.Clock);
  EXPECT_EQ(current.PlayerName(), "A name longer th");
  EXPECT_EQ(current.PatternFlag, 0);
}
