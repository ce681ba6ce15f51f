// Two copies of the game in one folder, and a copy that dies half way
// through a save. Every game that ends is kept exactly once and whole, a
// score list read meanwhile shows whole records only, and LastGame.dat and
// SavedNames.txt always hold either their old or their new content.
#include <cstdint>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include "scores/ScoreTable.h"
#include "settings/GameRecord.h"
#include "settings/PlayerNames.h"
#include "settings/SafeWrite.h"
#include "support/FileBytes.h"
#include "support/ScratchWorkDir.h"

namespace fs = std::filesystem;

namespace {

// A fresh scratch directory as the working directory.
class SharedFolder : public ::testing::Test {
 protected:
  void TearDown() override {
    ReplaceSeam = nullptr;
  }
  TScratchWorkDir Scratch;
  const fs::path& Dir = Scratch.Path();
};

// ---- Scores.dat appended by several copies at once ----

constexpr int Writers = 4;
constexpr int GamesEach = 2500;

// Game n of writer w. Every field is derived from (w, n), so a record made
// of two records' bytes never passes for a game.
TGameRecord Game(int w, int n) {
  TGameRecord r;
  r.SetPlayerName("Writer " + std::to_string(w));
  r.Score = 1 + w * GamesEach + n;
  r.Clock = n;
  r.SizeX = w;
  r.SizeY = 9 + n % 90;
  r.MinePopulation = r.Score * 7;
  r.Linking = -r.Score;
  r.GameSpeed = n % 21;
  r.TimedGame = static_cast<std::uint8_t>(n % 2);
  r.PatternID = r.Score ^ 0x5A5A5A;
  r.Reserved80.fill(static_cast<std::uint8_t>(n));
  return r;
}

bool Whole(const TGameRecord& r) {
  return r.SizeX >= 0 && r.SizeX < Writers && r.Clock >= 0 && r.Clock < GamesEach && r == Game(r.SizeX, r.Clock);
}

// Starts one process per writer; they begin appending together once the
// gate opens.
std::vector<pid_t> StartWriters() {
  int gate[2];
  if (pipe(gate) != 0) return {};
  std::vector<pid_t> writers;
  for (int w = 0; w < Writers; ++w) {
    const pid_t pid = fork();
    if (pid == 0) {
      close(gate[1]);
      char c;
      (void)!read(gate[0], &c, 1);  // returns when the gate closes
      for (int n = 0; n < GamesEach; ++n)
        if (!AppendScore(ScoresFile, Game(w, n))) _exit(10);
      _exit(0);
    }
    if (pid > 0) writers.push_back(pid);
  }
  close(gate[0]);
  close(gate[1]);
  return writers;
}

TEST_F(SharedFolder, GamesEndingInSeveralCopiesAtOnceAreEachKeptOnceAndWhole) {
  // A fragment left by an old crash: the first append overwrites it.
  WriteBytes(ScoresFile, std::string(50, '\x7F'));
  const std::vector<pid_t> writers = StartWriters();
  ASSERT_EQ(writers.size(), std::size_t{Writers});

  // The score screen paints meanwhile: every row it lists is a whole game.
  std::vector<TGameRecord> rows(MaxScoreRows + 1);
  int paints = 0, torn = 0;
  std::vector<int> status;
  while (status.size() < writers.size()) {
    LoadScoreRows(ScoresFile, rows, 46, {});
    ++paints;
    for (int row = 1; row <= 46; ++row)
      if (rows[row].Score != 0 && !Whole(rows[row])) ++torn;
    usleep(1000);
    for (const pid_t pid : writers) {
      int code = 0;
      if (waitpid(pid, &code, WNOHANG) == pid) status.push_back(code);
    }
  }
  EXPECT_EQ(torn, 0) << "torn rows in " << paints << " paints";
  for (const int code : status) EXPECT_TRUE(WIFEXITED(code) && WEXITSTATUS(code) == 0) << "an append failed";

  const std::string file = ReadBytes(ScoresFile);
  ASSERT_EQ(file.size(), std::size_t{Writers} * GamesEach * GameRecordSize);
  std::set<std::pair<int, int>> seen;
  std::vector<int> next(Writers, 0);  // each copy's games stay in the order they ended
  for (std::size_t at = 0; at < file.size(); at += GameRecordSize) {
    const TGameRecord r = DecodeRecord(reinterpret_cast<const std::uint8_t*>(file.data() + at));
    ASSERT_TRUE(Whole(r)) << "torn record at byte " << at;
    EXPECT_TRUE(seen.emplace(r.SizeX, r.Clock).second) << "a game kept twice";
    EXPECT_EQ(r.Clock, next[r.SizeX]++);
  }
  EXPECT_EQ(seen.size(), std::size_t{Writers} * GamesEach);

  // The next paint lists the last games to end.
  LoadScoreRows(ScoresFile, rows, 3, {});
  EXPECT_EQ(rows[1], Game(Writers - 1, GamesEach - 1));
  EXPECT_EQ(rows[3], Game(Writers - 1, GamesEach - 3));
}

TEST_F(SharedFolder, AnAppendThatCannotHaveTheLockWritesNothingAndTheListStillShows) {
  const std::string before = RecordString(Game(0, 5));
  WriteBytes(ScoresFile, before);
  // Another copy that hangs in the middle of its append.
  const int other = open(ScoresFile, O_RDWR | O_CLOEXEC);
  ASSERT_GE(other, 0);
  ASSERT_EQ(flock(other, LOCK_EX), 0);

  EXPECT_FALSE(AppendScore(ScoresFile, Game(1, 0)));
  EXPECT_EQ(ReadBytes(ScoresFile), before);
  std::vector<TGameRecord> rows(MaxScoreRows + 1);
  LoadScoreRows(ScoresFile, rows, 3, {});
  EXPECT_EQ(rows[1], Game(0, 5));

  close(other);
  ASSERT_TRUE(AppendScore(ScoresFile, Game(1, 0)));
  EXPECT_EQ(ReadBytes(ScoresFile), before + RecordString(Game(1, 0)));
}

// ---- LastGame.dat and SavedNames.txt replaced whole ----

// One of the two replaced files, with the content it had and the content a
// save gives it.
struct TReplaced {
  std::string Path;
  std::string Old, New;
  bool (*Save)();
  // Reads the file as the game does at its next start.
  std::string (*Load)();
};

bool SaveRecord() { return SaveLastGameFile("LastGame.dat", Game(2, 7)); }
std::string LoadRecord() {
  TGameRecord r;
  return LoadLastGameFile("LastGame.dat", r) ? RecordString(r) : std::string();
}
const std::vector<std::string> NewNames = {"Ann", "Bob", "Cy", "Zo\xEB"};
bool SaveNames() { return WriteSavedNames(SavedNamesFile, NewNames); }
std::string LoadNames() {
  std::vector<std::string> names;
  if (ReadSavedNames(SavedNamesFile, names) != TNamesRead::nr_Read) return {};
  std::string text;
  for (const std::string& name : names) text += name + "\r\n";
  return text;
}

std::vector<TReplaced> ReplacedFiles() {
  return {{"LastGame.dat", RecordString(Game(1, 3)), RecordString(Game(2, 7)), SaveRecord, LoadRecord},
          {SavedNamesFile, "Ann\r\nBob\r\n", "Ann\r\nBob\r\nCy\r\nZo\xEB\r\n", SaveNames, LoadNames}};
}

TReplaceStep StopAt;
constexpr int StoppedThere = 7;
bool FailThere(TReplaceStep step) { return step != StopAt; }
bool DieThere(TReplaceStep step) {
  if (step == StopAt) _exit(StoppedThere);
  return true;
}

TEST_F(SharedFolder, ASaveStoppedAtAnyStepLeavesTheOldOrTheNewContentWhole) {
  for (const TReplaced& file : ReplacedFiles()) {
    const std::string temp = file.Path + ".tmp";
    for (const TReplaceStep step : {TReplaceStep::rs_TempLocked, TReplaceStep::rs_TempWritten,
                                    TReplaceStep::rs_TempSynced, TReplaceStep::rs_Renamed}) {
      SCOPED_TRACE(file.Path + ", step " + std::to_string(int(step)));
      const bool replaced = step == TReplaceStep::rs_Renamed;
      const std::string& expected = replaced ? file.New : file.Old;
      StopAt = step;

      // The step fails: the old content stays and no temporary file is left.
      WriteBytes(file.Path, file.Old);
      ReplaceSeam = FailThere;
      EXPECT_EQ(file.Save(), replaced);
      ReplaceSeam = nullptr;
      EXPECT_EQ(ReadBytes(file.Path), expected);
      EXPECT_FALSE(fs::exists(temp));

      // The process dies there.
      WriteBytes(file.Path, file.Old);
      const pid_t pid = fork();
      if (pid == 0) {
        ReplaceSeam = DieThere;
        file.Save();
        _exit(0);
      }
      int code = 0;
      ASSERT_EQ(waitpid(pid, &code, 0), pid);
      ASSERT_TRUE(WIFEXITED(code) && WEXITSTATUS(code) == StoppedThere) << "the save never reached the step";
      EXPECT_EQ(ReadBytes(file.Path), expected);
      EXPECT_EQ(fs::exists(temp), !replaced);
      // The next start reads the file as it is and clears away what the
      // dead save left; the next save works as usual.
      EXPECT_EQ(file.Load(), expected);
      EXPECT_FALSE(fs::exists(temp));
      WriteBytes(file.Path, file.Old);
      EXPECT_TRUE(file.Save());
      EXPECT_EQ(ReadBytes(file.Path), file.New);
    }
  }
}

TEST_F(SharedFolder, ATemporaryFileThatAnotherCopyIsStillWritingIsLeftAlone) {
  WriteBytes(SavedNamesFile, "Ann\r\n");
  WriteBytes("SavedNames.txt.tmp", "Ann\r\nB");
  const int writing = open("SavedNames.txt.tmp", O_RDONLY | O_CLOEXEC);
  ASSERT_GE(writing, 0);
  ASSERT_EQ(flock(writing, LOCK_EX), 0);
  EXPECT_EQ(LoadNames(), "Ann\r\n");
  EXPECT_TRUE(fs::exists("SavedNames.txt.tmp"));
  close(writing);
  EXPECT_EQ(LoadNames(), "Ann\r\n");
  EXPECT_FALSE(fs::exists("SavedNames.txt.tmp"));
}

TEST_F(SharedFolder, ASaverKilledAtRandomMomentsNeverLeavesAnEmptyShortOrMixedFile) {
  // A copy that saves both files over and over, alternating two contents,
  // until it is killed at a random moment; each round starts from its last
  // state. Two copies saving at once must never mix their bytes either, so
  // each round kills one of two.
  const std::vector<std::string> namesA = {"Ann", "Bob"};
  const std::vector<std::string> namesB = {"Cy", "Dora", "Eve", "Fitzgerald"};
  const std::set<std::string> namesTexts = {"Ann\r\nBob\r\n", "Cy\r\nDora\r\nEve\r\nFitzgerald\r\n"};
  const std::set<std::string> records = {RecordString(Game(0, 1)), RecordString(Game(3, 2))};
  ASSERT_TRUE(WriteSavedNames(SavedNamesFile, namesA));
  ASSERT_TRUE(SaveLastGameFile("LastGame.dat", Game(0, 1)));

  std::mt19937 random(12);
  constexpr int Rounds = 40;
  for (int round = 0; round < Rounds; ++round) {
    pid_t savers[2];
    for (pid_t& saver : savers) {
      saver = fork();
      if (saver == 0) {
        for (unsigned i = 0;; ++i) {
          WriteSavedNames(SavedNamesFile, i % 2 ? namesA : namesB);
          SaveLastGameFile("LastGame.dat", i % 2 ? Game(0, 1) : Game(3, 2));
        }
      }
      ASSERT_GT(saver, 0);
    }
    usleep(std::uniform_int_distribution<useconds_t>(500, 20000)(random));
    kill(savers[round % 2], SIGKILL);
    waitpid(savers[round % 2], nullptr, 0);
    usleep(std::uniform_int_distribution<useconds_t>(0, 5000)(random));
    kill(savers[1 - round % 2], SIGKILL);
    waitpid(savers[1 - round % 2], nullptr, 0);

    SCOPED_TRACE("round " + std::to_string(round));
    EXPECT_EQ(namesTexts.count(ReadBytes(SavedNamesFile)), 1u) << ReadBytes(SavedNamesFile).size() << " bytes";
    EXPECT_EQ(records.count(ReadBytes("LastGame.dat")), 1u) << ReadBytes("LastGame.dat").size() << " bytes";
  }
  // The next start finds the files whole and leaves no temporary file.
  EXPECT_EQ(namesTexts.count(LoadNames()), 1u);
  EXPECT_EQ(records.count(LoadRecord()), 1u);
  EXPECT_FALSE(fs::exists("SavedNames.txt.tmp"));
  EXPECT_FALSE(fs::exists("LastGame.dat.tmp"));
}

}  // namespace
