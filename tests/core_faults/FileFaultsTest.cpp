// The game's files when the file system fails them: a directory in a file's
// place, a full disk, a read-only disk, a device that refuses every write.
// Whatever fails, nothing crashes, the failure is told to the caller, and
// the records already in a file stay as they were.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "SmallDisk.h"
#include "scores/ScoreTable.h"
#include "settings/GameRecord.h"
#include "settings/PlayerNames.h"
#include "support/FileBytes.h"
#include "support/ScratchWorkDir.h"

namespace fs = std::filesystem;

namespace {

TGameRecord Game(std::int32_t score) {
  TGameRecord record;
  record.SetPlayerName("Ann");
  record.Score = score;
  record.SizeX = record.SizeY = 9;
  record.MinePopulation = 40;
  record.ShapeThreshold = record.CellSize = 10;
  return record;
}

// A fresh scratch directory as the working directory.
class FileFaults : public ::testing::Test {
 protected:
  TScratchWorkDir Scratch;
  const fs::path& Dir = Scratch.Path();
};

TEST_F(FileFaults, ADirectoryInPlaceOfEveryFileFailsQuietlyAndStaysADirectory) {
  for (const char* name : {ScoresFile, "LastGame.dat", SavedNamesFile}) fs::create_directory(name);

  EXPECT_FALSE(AppendScore(ScoresFile, Game(50)));
  std::vector<TGameRecord> rows(MaxScoreRows + 1);
  LoadScoreRows(ScoresFile, rows, 10, {});
  EXPECT_EQ(rows[1], PlaceholderRow());

  EXPECT_FALSE(SaveLastGameFile("LastGame.dat", Game(1)));
  TGameRecord loaded;
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", loaded));
  EXPECT_EQ(loaded.Score, NoRecordScore);

  std::vector<std::string> names = {"kept"};
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, {"Ann"}));
  EXPECT_EQ(ReadSavedNames(SavedNamesFile, names), TNamesRead::nr_Unreadable);
  EXPECT_EQ(names, std::vector<std::string>{"kept"});

  for (const char* name : {ScoresFile, "LastGame.dat", SavedNamesFile}) EXPECT_TRUE(fs::is_directory(name));
  EXPECT_FALSE(fs::exists("LastGame.dat.tmp"));
  EXPECT_FALSE(fs::exists("SavedNames.txt.tmp"));
}

TEST_F(FileFaults, ADeviceThatRefusesEveryWriteIsReportedAsAFailure) {
  // /dev/full takes every open and fails every write, as a full disk does.
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  fs::create_symlink("/dev/full", "LastGame.dat");
  fs::create_symlink("/dev/full", SavedNamesFile);
  EXPECT_FALSE(SaveLastGameFile("LastGame.dat", Game(1)));
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, {"Ann", "Bob"}));
  // A device is written in place, never replaced by a file of its own.
  EXPECT_TRUE(fs::is_symlink("LastGame.dat"));
  EXPECT_TRUE(fs::is_symlink(SavedNamesFile));
  EXPECT_FALSE(fs::exists("LastGame.dat.tmp"));
  EXPECT_FALSE(fs::exists("SavedNames.txt.tmp"));
}

TEST_F(FileFaults, ALinkedFileIsReplacedWhereTheLinkPointsAndStaysLinked) {
  fs::create_directory("elsewhere");
  WriteBytes("elsewhere/names.txt", "Ann\r\n");
  fs::create_symlink("elsewhere/names.txt", SavedNamesFile);
  ASSERT_TRUE(WriteSavedNames(SavedNamesFile, {"Ann", "Bob"}));
  EXPECT_TRUE(fs::is_symlink(SavedNamesFile));
  EXPECT_EQ(ReadBytes("elsewhere/names.txt"), "Ann\r\nBob\r\n");
  EXPECT_FALSE(fs::exists("elsewhere/names.txt.tmp"));
}

class FullDisk : public ::testing::TestWithParam<TDiskKind> {};
class ReadOnlyDisk : public ::testing::TestWithParam<TDiskKind> {};
INSTANTIATE_TEST_SUITE_P(Disks, FullDisk, ::testing::Values(TDiskKind::Tmpfs, TDiskKind::Simulated),
                         DiskKindName);
INSTANTIATE_TEST_SUITE_P(Disks, ReadOnlyDisk, ::testing::Values(TDiskKind::Tmpfs, TDiskKind::Simulated),
                         DiskKindName);

TEST_P(FullDisk, AnAppendThatDoesNotFitKeepsEveryEarlierRecord) {
  TSmallDisk disk(GetParam(), 12288);
  ENTER_DISK(disk);
  // 85 records fill two pages but for 32 bytes; on the full disk the next
  // record does not fit.
  std::string before;
  for (int i = 0; i < 85; ++i) before += RecordString(Game(100 + i));
  WriteBytes(ScoresFile, before);
  disk.Fill();
  while (AppendScore(ScoresFile, Game(7))) before += RecordString(Game(7));

  const std::string after = ReadBytes(ScoresFile);
  ASSERT_GE(after.size(), before.size());
  EXPECT_EQ(after.substr(0, before.size()), before) << "an earlier record changed";
  // The list still shows the best of the records that were there.
  std::vector<TGameRecord> rows(MaxScoreRows + 1);
  LoadScoreRows(ScoresFile, rows, 3, {});
  EXPECT_EQ(rows[1].Score, 184);

  // Once there is room again, the next append lands on a record boundary.
  disk.MakeRoom();
  ASSERT_TRUE(AppendScore(ScoresFile, Game(9)));
  const std::string healed = ReadBytes(ScoresFile);
  EXPECT_EQ(healed.size() % GameRecordSize, 0u);
  EXPECT_EQ(healed.substr(0, before.size()), before);
  EXPECT_EQ(healed.substr(healed.size() - GameRecordSize), RecordString(Game(9)));
}

TEST_P(FullDisk, SavingTheLastGameOrTheNamesOnAFullDiskFailsWithoutACrash) {
  TSmallDisk disk(GetParam(), 4096);
  ENTER_DISK(disk);
  disk.Fill();
  EXPECT_FALSE(SaveLastGameFile("LastGame.dat", Game(1)));
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, {"Ann"}));
  EXPECT_FALSE(AppendScore(ScoresFile, Game(1)));
  TGameRecord loaded;
  EXPECT_FALSE(LoadLastGameFile("LastGame.dat", loaded));
}

TEST_P(FullDisk, AReplacementThatDoesNotFitKeepsTheOldContent) {
  TSmallDisk disk(GetParam(), 16384);
  ENTER_DISK(disk);
  const std::string lastGame = RecordString(Game(30));
  const std::string names = "Ann\r\nBob\r\n";
  WriteBytes("LastGame.dat", lastGame);
  WriteBytes(SavedNamesFile, names);
  disk.Fill();
  // More names than the last free page holds: the new copy cannot be
  // written whole, so the file keeps the names it had.
  std::vector<std::string> many(800, "Somebody");
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, many));
  EXPECT_EQ(ReadBytes(SavedNamesFile), names);
  // A record needs a page of its own on the full tmpfs, but still fits the
  // simulated disk's last page: either way the file is whole.
  const bool saved = SaveLastGameFile("LastGame.dat", Game(31));
  if (disk.Mounted) {
    EXPECT_FALSE(saved);
  }
  EXPECT_EQ(ReadBytes("LastGame.dat"), saved ? RecordString(Game(31)) : lastGame);
  EXPECT_FALSE(fs::exists("LastGame.dat.tmp"));
  EXPECT_FALSE(fs::exists("SavedNames.txt.tmp"));
}

TEST_P(ReadOnlyDisk, NoWriteSucceedsAndEveryFileKeepsItsBytes) {
  TSmallDisk disk(GetParam(), 64 * 1024);
  ENTER_DISK(disk);
  const std::string scores = RecordString(Game(10)) + RecordString(Game(20)) + "frag";
  const std::string lastGame = RecordString(Game(30));
  const std::string names = "Ann\r\nBob\r\n";
  WriteBytes(ScoresFile, scores);
  WriteBytes("LastGame.dat", lastGame);
  WriteBytes(SavedNamesFile, names);
  ASSERT_TRUE(disk.MakeReadOnly());

  EXPECT_FALSE(AppendScore(ScoresFile, Game(40)));
  EXPECT_FALSE(SaveLastGameFile("LastGame.dat", Game(50)));
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, {"Ann", "Bob", "Cy"}));
  EXPECT_EQ(ReadBytes(ScoresFile), scores);
  EXPECT_EQ(ReadBytes("LastGame.dat"), lastGame);
  EXPECT_EQ(ReadBytes(SavedNamesFile), names);

  // Reading still works.
  TGameRecord loaded;
  EXPECT_TRUE(LoadLastGameFile("LastGame.dat", loaded));
  EXPECT_EQ(loaded.Score, 30);
  std::vector<std::string> read;
  EXPECT_EQ(ReadSavedNames(SavedNamesFile, read), TNamesRead::nr_Read);
  EXPECT_EQ(read, (std::vector<std::string>{"Ann", "Bob"}));
}

TEST(ReadOnlyFiles, NoWriteSucceedsAndEveryFileKeepsItsBytes) {
  TSmallDisk disk(TDiskKind::Simulated, 64 * 1024);
  ASSERT_TRUE(disk.Ready);
  const std::string scores = RecordString(Game(10)) + RecordString(Game(20));
  const std::string lastGame = RecordString(Game(30));
  const std::string names = "Ann\r\nBob\r\n";
  WriteBytes(ScoresFile, scores);
  WriteBytes("LastGame.dat", lastGame);
  WriteBytes(SavedNamesFile, names);
  ASSERT_TRUE(disk.MakeFilesReadOnly(ScoresFile));

  EXPECT_FALSE(AppendScore(ScoresFile, Game(40)));
  EXPECT_FALSE(SaveLastGameFile("LastGame.dat", Game(50)));
  EXPECT_FALSE(WriteSavedNames(SavedNamesFile, {"Cy"}));
  EXPECT_EQ(ReadBytes(ScoresFile), scores);
  EXPECT_EQ(ReadBytes("LastGame.dat"), lastGame);
  EXPECT_EQ(ReadBytes(SavedNamesFile), names);
  std::vector<TGameRecord> rows(MaxScoreRows + 1);
  LoadScoreRows(ScoresFile, rows, 3, {});
  EXPECT_EQ(rows[1].Score, 20);
  EXPECT_EQ(rows[2].Score, 10);
}

}  // namespace
