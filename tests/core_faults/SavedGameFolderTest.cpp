// The saved game in a folder that copies of the game share, and a copy that
// dies at any moment: one copy owns the saved game at a time, none
// overwrites another's, a file that cannot be used is set aside and never
// deleted, and a kill leaves the old game or the new one, whole.
#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include "board/Random.h"
#include "game/SavedGame.h"
#include "game/SavedGameSlot.h"
#include "support/FileBytes.h"
#include "support/ScratchWorkDir.h"
#include "SmallDisk.h"

namespace {

namespace fs = std::filesystem;

class SavedGameFolder : public ::testing::Test {
 protected:
  TScratchWorkDir Scratch;
  const fs::path& Dir = Scratch.Path();
};

// A game in play, on a small field of its own.
void StartKeptGame(TGame& game, int seed) {
  TGameRecord record;
  record.SetPlayerName("Copy " + std::to_string(seed));
  record.SizeX = 12 + seed % 5;
  record.SizeY = 9;
  record.MinePopulation = 60;
  record.CellSize = 25;
  record.ShapeThreshold = 10;
  RandSeed(seed);
  game.Start(record);
}

std::string Encoded(const TGame& game) { return EncodeSavedGame(game.Image()); }

// Another copy of the game, in a process of its own. Its body calls ready()
// once it stands where the test wants it; ready() returns when the test
// ends the copy, which then ends as a copy of the game does at close or in
// a crash: its saved game stays behind and its lock goes with it.
struct TOtherCopy {
  pid_t Pid = -1;
  int Go = -1;
  template <typename TBody>
  static TOtherCopy Start(TBody body) {
    int ready[2], go[2];
    if (pipe(ready) != 0 || pipe(go) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
      close(ready[0]);
      close(go[1]);
      body([&] {
        (void)!write(ready[1], "r", 1);
        char c;
        (void)!read(go[0], &c, 1);  // returns when the test closes its end
      });
      _exit(0);
    }
    close(ready[1]);
    close(go[0]);
    char c;
    (void)!read(ready[0], &c, 1);  // the copy is ready, or has died
    close(ready[0]);
    return {pid, go[1]};
  }
  // The copy's exit status: 0 when all it checked held.
  int End() {
    close(Go);
    int status = -1;
    waitpid(Pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
  }
};

TEST_F(SavedGameFolder, WithoutASavedGameTheStartTouchesNothing) {
  TSavedGameSlot slot(SavedGameFile);
  TGame game;
  EXPECT_EQ(slot.Open(game), TSavedGameSlot::so_None);
  EXPECT_FALSE(game.Active());
  EXPECT_TRUE(fs::is_empty(Dir)) << "no file made";
}

TEST_F(SavedGameFolder, OneCopyOwnsTheSavedGameAndNoOtherOverwritesIt) {
  // Copy A plays and keeps its game, and stays open.
  TOtherCopy a = TOtherCopy::Start([](auto ready) {
    TSavedGameSlot slot(SavedGameFile);
    TGame game;
    StartKeptGame(game, 1);
    if (slot.Write(game) != TSavedGameSlot::sw_Written) _exit(3);
    ready();
  });
  ASSERT_GT(a.Pid, 0);
  const std::string gameOfA = ReadBytes(SavedGameFile);
  ASSERT_FALSE(gameOfA.empty());

  // Copy B starts meanwhile: it neither loads A's game nor writes over it.
  TSavedGameSlot b(SavedGameFile);
  TGame gameOfB;
  EXPECT_EQ(b.Open(gameOfB), TSavedGameSlot::so_HeldElsewhere);
  EXPECT_FALSE(gameOfB.Active());
  StartKeptGame(gameOfB, 2);
  EXPECT_EQ(b.Write(gameOfB), TSavedGameSlot::sw_HeldElsewhere);
  EXPECT_EQ(ReadBytes(SavedGameFile), gameOfA);

  // A ends with its game unfinished: B still does not overwrite it.
  EXPECT_EQ(a.End(), 0);
  EXPECT_EQ(b.Write(gameOfB), TSavedGameSlot::sw_OtherGameWaiting);
  EXPECT_EQ(ReadBytes(SavedGameFile), gameOfA);

  // The next copy to start has A's game back and owns it; while it plays,
  // B still writes nothing. It finishes the game, and its saved game goes.
  TOtherCopy c = TOtherCopy::Start([&gameOfA](auto ready) {
    TSavedGameSlot slot(SavedGameFile);
    TGame game;
    if (slot.Open(game) != TSavedGameSlot::so_Restored) _exit(4);
    if (Encoded(game) != gameOfA) _exit(5);
    ready();
    slot.Discard();
  });
  ASSERT_GT(c.Pid, 0);
  EXPECT_EQ(b.Write(gameOfB), TSavedGameSlot::sw_HeldElsewhere);
  EXPECT_EQ(c.End(), 0);
  EXPECT_FALSE(fs::exists(SavedGameFile));

  // The folder is free: B keeps its game now, once.
  EXPECT_EQ(b.Write(gameOfB), TSavedGameSlot::sw_Written);
  EXPECT_EQ(ReadBytes(SavedGameFile), Encoded(gameOfB));
  EXPECT_EQ(b.Write(gameOfB), TSavedGameSlot::sw_Unchanged);
}

TEST_F(SavedGameFolder, AFileThatCannotBeUsedIsSetAsideUnderANameNotTakenAndTheStartIsAsWithout) {
  TGame sound;
  StartKeptGame(sound, 3);
  std::string future = Encoded(sound);
  future[8] = 2;  // a later version
  const std::string contents[] = {"", "not a game at all", Encoded(sound).substr(0, 400), future};
  for (std::size_t n = 0; n < std::size(contents); ++n) {
    SCOPED_TRACE(n);
    WriteBytes(SavedGameFile, contents[n]);
    TSavedGameSlot slot(SavedGameFile);
    TGame game;
    EXPECT_EQ(slot.Open(game), TSavedGameSlot::so_SetAside);
    EXPECT_FALSE(game.Active());
    EXPECT_FALSE(fs::exists(SavedGameFile));
    const std::string asideName = n == 0 ? "SavedGame.dat.rejected" : "SavedGame.dat.rejected." + std::to_string(n + 1);
    EXPECT_EQ(ReadBytes(asideName), contents[n]) << asideName;
    // The copy plays on and keeps its own game as usual.
    StartKeptGame(game, 4);
    EXPECT_EQ(slot.Write(game), TSavedGameSlot::sw_Written);
    slot.Discard();
  }
  // A file too large for any field is refused without being read whole.
  WriteBytes(SavedGameFile, std::string(MaxSavedGameSize + 1, '\0'));
  TSavedGameSlot slot(SavedGameFile);
  TGame game;
  EXPECT_EQ(slot.Open(game), TSavedGameSlot::so_SetAside);
}

TEST_F(SavedGameFolder, ACopyKilledAtRandomMomentsAlwaysLeavesTheOldGameOrTheNewOneWhole) {
  TGame first, second;
  StartKeptGame(first, 5);
  StartKeptGame(second, 6);
  const std::set<std::string> games = {Encoded(first), Encoded(second)};
  std::mt19937 random(28);
  for (int round = 0; round < 30; ++round) {
    const pid_t saver = fork();
    if (saver == 0) {
      TSavedGameSlot slot(SavedGameFile);
      TGame restored;
      slot.Open(restored);
      for (int i = 0;; ++i) {
        TGame game;  // a board of its own: the colours of one field do not steer the next
        StartKeptGame(game, i % 2 ? 5 : 6);
        slot.Write(game);
      }
    }
    ASSERT_GT(saver, 0);
    usleep(std::uniform_int_distribution<useconds_t>(2000, 20000)(random));
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    SCOPED_TRACE("round " + std::to_string(round));
    if (round == 0 && !fs::exists(SavedGameFile)) continue;  // killed before its first save
    EXPECT_EQ(games.count(ReadBytes(SavedGameFile)), 1u) << ReadBytes(SavedGameFile).size() << " bytes";
  }
  // The next start has one of the two back, and leaves no temporary file.
  TSavedGameSlot slot(SavedGameFile);
  TGame game;
  EXPECT_EQ(slot.Open(game), TSavedGameSlot::so_Restored);
  EXPECT_EQ(games.count(Encoded(game)), 1u);
  EXPECT_FALSE(fs::exists("SavedGame.dat.tmp"));
}

// A disk that refuses the write: the saved game that was there stands, and
// the refusal is a failure, not another copy's lock, so nobody is told of a
// copy that does not exist.
class SavedGameOnDisk : public ::testing::TestWithParam<TDiskKind> {};
INSTANTIATE_TEST_SUITE_P(Disks, SavedGameOnDisk, ::testing::Values(TDiskKind::Tmpfs, TDiskKind::Simulated),
                         DiskKindName);

TEST_P(SavedGameOnDisk, OnAFullOrReadOnlyDiskTheSavedGameStandsAndTheWriteSimplyFails) {
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "full");
    TSmallDisk disk(GetParam(), 16384);
    ENTER_DISK(disk);
    TGame kept;
    StartKeptGame(kept, 7);
    const std::string before = Encoded(kept);
    WriteBytes(SavedGameFile, before);
    if (readOnly) ASSERT_TRUE(disk.MakeReadOnly());
    else disk.Fill();

    TSavedGameSlot slot(SavedGameFile);
    TGame game;
    ASSERT_EQ(slot.Open(game), TSavedGameSlot::so_Restored);
    TGameImage moved = game.Image();
    moved.Score += 1;
    TGame changed;
    ASSERT_TRUE(changed.Restore(moved));
    // A full disk may still take a file that fits its last page (the
    // simulated one does); whatever happens, the file is whole.
    const TSavedGameSlot::TWritten written = slot.Write(changed);
    if (readOnly) EXPECT_EQ(written, TSavedGameSlot::sw_Failed);
    else EXPECT_TRUE(written == TSavedGameSlot::sw_Failed || written == TSavedGameSlot::sw_Written) << written;
    EXPECT_EQ(ReadBytes(SavedGameFile), written == TSavedGameSlot::sw_Written ? Encoded(changed) : before);
    EXPECT_FALSE(fs::exists("SavedGame.dat.tmp"));
  }
}

}  // namespace
