#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "WindowFixture.h"
#include "board/Random.h"
#include "scores/ScoreTable.h"
#include "support/WindowParts.h"

// One record per finished game, with the settings the game was played with.

class RecordTest : public WindowTest {
 protected:
  // Loses the game in play at once: a safe uncover, then a mine.
  void LoseTheGame() {
    Click(Qt::LeftButton, ACoveredSafeArea());
    Click(Qt::LeftButton, AMine());
    ASSERT_FALSE(Main->GameActive());
  }
};

TEST_F(RecordTest, TheRecordAppendedIsTheGamesSettingsWithItsScoreAndClock) {
  const TFieldSettings settings{.Columns = 15, .Rows = 15, .MinePopulation = 100, .Holes = 10,
                                .CellSize = 10, .Linking = 0, .Timed = true, .GameSpeed = 9,
                                .Name = "Ann"};
  StartSeededGame(settings, 41);
  TGameRecord expected = Dialog->BuildRecord();
  for (int i = 0; i < 7; ++i) Main->Tick();
  LoseTheGame();
  expected.Score = Main->Score();
  expected.Clock = Main->Clock();
  ASSERT_EQ(ScoresBytes().size(), 96);
  EXPECT_EQ(ScoresBytes(), RecordBytes(expected));
  EXPECT_EQ(LastScore().PlayerName(), "Ann");
  EXPECT_EQ(LastScore().SizeX, 15);
  EXPECT_EQ(LastScore().GameSpeed, 9);
  EXPECT_EQ(LastScore().TimedGame, 1);
}

TEST_F(RecordTest, AFileWithATrailingFragmentGrowsToWholeRecords) {
  QByteArray old(100, '\x5A');
  WriteWholeFile(ScoresFile, old);
  StartSeededGame({.MinePopulation = 100}, 42);
  LoseTheGame();
  const QByteArray now = ScoresBytes();
  ASSERT_EQ(now.size(), 192);
  EXPECT_EQ(now.left(96), old.left(96));
  EXPECT_EQ(LastScore().Score, Main->Score());
}

TEST_F(RecordTest, AnUnwritableScoreTableLeavesTheGameEndingNormally) {
  ASSERT_TRUE(QDir().mkdir(ScoresFile));  // a directory cannot take a record
  StartSeededGame({.MinePopulation = 100}, 43);
  const QByteArray lastGame = ReadWholeFile("LastGame.dat");
  LoseTheGame();
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_EQ(DialogsShown, 2);
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_TRUE(QFileInfo(ScoresFile).isDir());
  EXPECT_TRUE(QDir(ScoresFile).isEmpty());
  EXPECT_EQ(ReadWholeFile("LastGame.dat"), lastGame);
  // The next game still plays.
  StartSeededGame({.MinePopulation = 100}, 44);
  EXPECT_TRUE(Main->GameActive());
}

TEST_F(RecordTest, AnAbandonedGameAddsNoRecord) {
  StartSeededGame({.MinePopulation = 100}, 45);
  Click(Qt::LeftButton, ACoveredSafeArea());
  StartSeededGame({.MinePopulation = 100}, 46);
  EXPECT_EQ(RecordsInScores(), 0);
  LoseTheGame();
  EXPECT_EQ(RecordsInScores(), 1);
}

TEST_F(RecordTest, ACancelledDialogDuringAGameChangesNeitherItsClockNorItsRecord) {
  StartSeededGame({.Columns = 15, .Rows = 15, .MinePopulation = 100, .Timed = false}, 47);
  const TGameRecord started = Dialog->BuildRecord();
  Main->Tick();
  Main->Tick();
  // The player changes everything in the dialog, then cancels.
  AnswerDialog = [](TDlgNewGame& dialog) {
    ApplySettings(dialog, {.Columns = 24, .Rows = 16, .MinePopulation = 10, .Timed = true,
                           .GameSpeed = 20, .Name = "Someone Else"});
    return false;
  };
  Key(Qt::Key_F5);
  ASSERT_EQ(Main->ScreenShown(), ss_Game);
  // The score screen refreshes the current record from the dialog.
  Key(Qt::Key_F3);
  Key(Qt::Key_F3);
  ASSERT_TRUE(Main->CurrentGame().Timed());
  Main->Tick();
  EXPECT_EQ(Main->Clock(), 3);  // still counting up
  EXPECT_EQ(Main->Board()->SizeX(), 15);
  EXPECT_EQ(Main->Board()->CellWidth(), Main->Board()->CellHeight());
  EXPECT_EQ(Main->Board()->GridWidth(), 15 * Main->Board()->CellWidth());

  LoseTheGame();
  TGameRecord expected = started;
  expected.Score = Main->Score();
  expected.Clock = Main->Clock();
  EXPECT_EQ(ScoresBytes(), RecordBytes(expected));
}

TEST_F(RecordTest, ACancelledChallengeDuringAGameKeepsTheGamesOwnSettings) {
  TGameRecord listed;
  listed.SetPlayerName("Champion");
  listed.Score = 5000;
  listed.SizeX = 24;
  listed.SizeY = 16;
  listed.MinePopulation = 150;
  listed.TimedGame = 1;
  listed.GameSpeed = 3;
  WriteWholeFile(ScoresFile, RecordBytes(listed));
  StartSeededGame({.MinePopulation = 100}, 48);
  const TGameRecord started = Dialog->BuildRecord();
  Key(Qt::Key_F3);
  const TScoreLayout layout = Main->ScoreLayout();
  Main->FormMouseMove(Main->width() / 2, layout.Top + layout.RowHeight + layout.RowHeight / 2);
  ASSERT_EQ(Main->HoverRow(), 1);
  AnswerYes = true;
  Main->FormClick();  // challenge, then Cancel in the dialog
  ASSERT_EQ(Warnings.size(), 1u);
  ASSERT_EQ(Main->ScreenShown(), ss_Game);
  ASSERT_EQ(Main->CurrentGame().SizeX, 24);
  Main->Tick();
  EXPECT_EQ(Main->Clock(), 1);
  LoseTheGame();
  TGameRecord expected = started;
  expected.Score = Main->Score();
  expected.Clock = Main->Clock();
  EXPECT_EQ(ScoresBytes().mid(96), RecordBytes(expected));
}

TEST_F(RecordTest, ADamagedLastGameFilePlaysSoundly) {
  // Oversized and negative numbers, a name length past the record, garbage
  // in the reserved bytes.
  TRecordBytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = std::uint8_t(0xA5 ^ i);
  auto put = [&bytes](std::size_t at, std::int32_t value) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = std::uint8_t(std::uint32_t(value) >> (8 * k));
  };
  bytes[0] = 200;
  put(20, 77);
  put(28, 1000000000);
  put(32, -5);
  put(36, 999999);
  put(40, -100);
  put(44, 5000);
  put(48, 123456);
  put(64, 77);
  WriteWholeFile("LastGame.dat", QByteArray(reinterpret_cast<const char*>(bytes.data()), 96));
  CreateWindows();

  // The first game plays what the dialog loaded; the one offered after it is
  // declined.
  AnswerDialog = [this](TDlgNewGame&) { return DialogsShown == 1; };
  RandSeed(49);
  BtnNewGame(Main)->click();
  ASSERT_TRUE(Main->GameActive());
  const TBoard& board = *Main->Board();
  EXPECT_GE(board.SizeX(), 1);
  EXPECT_LE(board.SizeX(), 148);
  EXPECT_GE(board.SizeY(), 1);
  EXPECT_LE(board.SizeY(), 100);
  for (int i = 0; i < 5; ++i) Main->Tick();
  // Play on until the game ends, one way or the other.
  for (TCell cell : Cells([](const TAreaProperties& a) { return !a.Hole; })) {
    if (!Main->GameActive()) break;
    if (!AreaOf(cell)->Uncovered && !AreaOf(cell)->Marked) Click(Qt::LeftButton, cell);
  }
  ASSERT_FALSE(Main->GameActive());
  EXPECT_EQ(RecordsInScores(), 1);
  const TGameRecord record = LastScore();
  EXPECT_LE(record.NameLength, 16);
  EXPECT_EQ(record.Reserved17, (std::array<std::uint8_t, 3>{}));
  EXPECT_EQ(record.Reserved70, (std::array<std::uint8_t, 6>{}));
  EXPECT_EQ(record.Reserved80, (std::array<std::uint8_t, 16>{}));
  EXPECT_LE(record.TimedGame, 1);
  EXPECT_LE(record.PatternFlag, 1);
  EXPECT_EQ(record.Score, Main->Score());
}
