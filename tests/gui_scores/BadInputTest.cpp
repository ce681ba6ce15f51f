#include <climits>
#include <random>
#include <QDir>
#include <QFile>
#include "ScoreScreenFixture.h"
#include "scores/ScoreLayout.h"
#include "scores/ScoreTable.h"
#include "support/WindowParts.h"

namespace {

// Paints, hovers every row and the margins, as a player moving around would.
void ExerciseScreen(TMainForm& main) {
  main.FormPaint();
  const TScoreLayout layout = main.ScoreLayout();
  for (int row = 0; row <= layout.RowCount + 1; ++row)
    main.FormMouseMove(main.width() / 2, RowTop(layout, row) + 2);
}

QByteArray RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  QByteArray bytes(qsizetype(size), '\0');
  for (char& byte : bytes) byte = char(random() & 0xFF);
  return bytes;
}

}  // namespace

class HostileScores : public ScoreScreen {};

TEST_F(HostileScores, NameLengthAboveSixteenShowsAtMostSixteenBytes) {
  QByteArray record = RecordBytes(ListedGame("ABCDEFGHIJKLMNOP", 500));
  record[0] = char(200);
  QByteArray file = record;
  record[0] = char(17);
  file += record;
  WriteWholeFile(ScoresFile, file);
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(Main->ScoreList()[2].PlayerName(), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(Main->ScoreList()[3].PlayerName(), "Nobody");
  EXPECT_EQ(ScoresBytes(), file);
}

TEST_F(HostileScores, RecordsOfRandomBytesPaintAndStayUnchanged) {
  for (unsigned seed = 1; seed <= 5; ++seed) {
    const QByteArray file = RandomBytes(96 * 300 + seed * 7, seed);
    WriteWholeFile(ScoresFile, file);
    ExerciseScreen(*Main);
    TrackBarMatchSpec(Main->ScoreScreen())->setValue(int(seed) * 10);
    Main->SetShowPlayerOnly(seed % 2 == 0);
    ExerciseScreen(*Main);
    EXPECT_EQ(ScoresBytes(), file) << seed;
    const int rows = Main->ScoreLayout().RowCount;
    for (int row = 2; row <= rows; ++row)
      EXPECT_GE(Main->ScoreList()[row - 1].Score, Main->ScoreList()[row].Score);
  }
}

TEST_F(HostileScores, ExtremeScoresAndSizesAreShownAsTheyStand) {
  TGameRecord huge = ListedGame("Huge", INT_MAX);
  huge.SizeX = INT_MAX;
  huge.SizeY = INT_MIN;
  huge.MinePopulation = INT_MIN;
  huge.Holes = INT_MAX;
  huge.CellSize = INT_MIN;
  huge.Linking = -1;
  huge.TimedGame = 0xFF;
  huge.GameSpeed = INT_MIN;
  TGameRecord low = ListedGame("Low", INT_MIN);
  TGameRecord one = ListedGame("One", 1);
  WriteScores({low, one, huge});
  const QByteArray before = ScoresBytes();
  ExerciseScreen(*Main);
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(0);
  ExerciseScreen(*Main);
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(75);
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName(), "Huge");
  EXPECT_EQ(Main->ScoreList()[2].PlayerName(), "One");
  EXPECT_EQ(Main->ScoreList()[3].PlayerName(), "Nobody");  // negative scores never list
  EXPECT_GT(CountDark(RowBand(1)), 50);
  EXPECT_EQ(ScoresBytes(), before);
}

TEST_F(HostileScores, TrailingFragmentIsNoRecord) {
  QByteArray file = RecordBytes(ListedGame("Ann", 300)) + RecordBytes(ListedGame("Bob", 200));
  file += RecordBytes(ListedGame("Cut", 999)).left(50);
  WriteWholeFile(ScoresFile, file);
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName(), "Ann");
  EXPECT_EQ(Main->ScoreList()[2].PlayerName(), "Bob");
  EXPECT_EQ(Main->ScoreList()[3].PlayerName(), "Nobody");
  EXPECT_EQ(ScoresBytes(), file);
}

TEST_F(HostileScores, AppendOverwritesAFragmentAndKeepsEveryRecord) {
  QByteArray file = RecordBytes(ListedGame("Ann", 300));
  WriteWholeFile(ScoresFile, file + QByteArray(4, 'x'));  // 100 bytes
  Main->AppendScore(ListedGame("Bob", 400));
  const QByteArray after = ScoresBytes();
  ASSERT_EQ(after.size(), 192);
  EXPECT_EQ(after.left(96), file);
  EXPECT_EQ(after.mid(96), RecordBytes(ListedGame("Bob", 400)));
}

TEST_F(HostileScores, AHundredThousandRecordsListTheBest) {
  std::vector<TGameRecord> games;
  games.reserve(100000);
  int best = 0;
  for (int i = 0; i < 100000; ++i) {
    games.push_back(ListedGame("P", (i * 7919) % 100003 + 1));
    best = std::max(best, games.back().Score);
  }
  WriteScores(games);
  const QByteArray before = ScoresBytes();
  ASSERT_EQ(before.size(), 96 * 100000);
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].Score, best);
  for (int row = 2; row <= 15; ++row) EXPECT_GT(Main->ScoreList()[row - 1].Score, Main->ScoreList()[row].Score);
  EXPECT_EQ(ScoresBytes(), before);
}

TEST_F(HostileScores, AFileThatVanishesBetweenPaintsLeavesPlaceholders) {
  WriteScores({ListedGame("Ann", 300)});
  ExerciseScreen(*Main);
  ASSERT_EQ(Main->ScoreList()[1].PlayerName(), "Ann");
  ASSERT_TRUE(QFile::remove(ScoresFile));
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName(), "Nobody");
  EXPECT_EQ(Main->HoverRow(), 0);
  EXPECT_FALSE(QFile::exists(ScoresFile));  // reading never creates it
}

TEST_F(HostileScores, AnEmptyOrUnreadableFileLeavesPlaceholders) {
  WriteWholeFile(ScoresFile, QByteArray());
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName(), "Nobody");
  ASSERT_TRUE(QFile::remove(ScoresFile));
  ASSERT_TRUE(QDir().mkdir(ScoresFile));  // a directory in its place
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName(), "Nobody");
}

TEST_F(HostileScores, HostileNamesAreDrawnNotInterpreted) {
  TGameRecord game = ListedGame("", 500);
  game.SetPlayerName(std::string("<b>&amp;\0\n\t\x81\xFF", 12));
  WriteScores({game});
  ExerciseScreen(*Main);
  EXPECT_EQ(Main->ScoreList()[1].PlayerName().size(), 12u);
  EXPECT_GT(CountDark(RowBand(1)), 20);
}
