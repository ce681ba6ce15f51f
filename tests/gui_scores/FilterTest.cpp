#include <QFile>
#include <QRadioButton>
#include <QSlider>
#include "ScoreScreenFixture.h"
#include "scores/ScoreTable.h"
#include "support/WindowParts.h"

namespace {

std::vector<std::string> ListedNames(const TMainForm& main) {
  std::vector<std::string> names;
  const int rows = main.ScoreLayout().RowCount;
  for (int row = 1; row <= rows; ++row)
    if (main.ScoreList()[row].Score != 0) names.push_back(main.ScoreList()[row].PlayerName());
  return names;
}

using Names = std::vector<std::string>;

}  // namespace

TEST_F(ScoreScreen, WithoutAScoreFileEveryRowIsNobody) {
  Repaint();
  const int rows = Main->ScoreLayout().RowCount;
  for (int row = 1; row <= rows; ++row) {
    EXPECT_EQ(Main->ScoreList()[row].PlayerName(), "Nobody");
    EXPECT_EQ(Main->ScoreList()[row].Score, 0);
  }
  EXPECT_FALSE(QFile::exists(ScoresFile));
}

TEST_F(ScoreScreen, ListShowsTheBestGamesOldestFirstAmongEquals) {
  WriteScores({ListedGame("Ann", 300), ListedGame("Bob", 900), ListedGame("Cy", 300),
               ListedGame("Dee", 0), ListedGame("Eve", -50)});
  Repaint();
  EXPECT_EQ(ListedNames(*Main), (Names{"Bob", "Ann", "Cy"}));
}

TEST_F(ScoreScreen, OnlyAsManyGamesAsRowsAreListed) {
  std::vector<TGameRecord> games;
  for (int i = 1; i <= 40; ++i) games.push_back(ListedGame("P" + std::to_string(i), i * 10));
  WriteScores(games);
  Repaint();
  const Names names = ListedNames(*Main);
  ASSERT_EQ(names.size(), 15u);
  EXPECT_EQ(names.front(), "P40");
  EXPECT_EQ(names.back(), "P26");
}

TEST_F(ScoreScreen, PlayerFilterComparesExactlyAndCaseSensitively) {
  WriteScores({ListedGame("ann", 100), ListedGame("Ann", 200), ListedGame("Annie", 300),
               ListedGame("Bob", 400)});
  Dialog->SetCurrentName("Ann");
  RadioButtonThisPlayer(Main->ScoreScreen())->click();
  EXPECT_TRUE(Main->ShowPlayerOnly());
  EXPECT_EQ(ListedNames(*Main), (Names{"Ann"}));
  RadioButtonAllPlayers(Main->ScoreScreen())->click();
  EXPECT_EQ(ListedNames(*Main), (Names{"Bob", "Annie", "Ann", "ann"}));
}

TEST_F(ScoreScreen, LongNamesFindTheirGamesStoredCutToSixteen) {
  const std::string longName = "Maximilian Alexander";  // 20 characters
  WriteScores({ListedGame(longName, 700), ListedGame("Maximilian Alexa", 600),
               ListedGame("Maximilian Alex", 500)});
  Dialog->SetCurrentName(QString::fromStdString(longName));
  Main->SetShowPlayerOnly(true);
  // The first two are stored alike; the third is another player.
  EXPECT_EQ(ListedNames(*Main), (Names{"Maximilian Alexa", "Maximilian Alexa"}));
}

TEST_F(ScoreScreen, NamesOutsideAsciiMatchThroughTheirStoredBytes) {
  TGameRecord game = ListedGame("", 450);
  game.SetPlayerName("Zo\xEB");  // Windows-1252 e with diaeresis
  WriteScores({game, ListedGame("Zoe", 300)});
  Dialog->SetCurrentName(QString::fromUtf8("Zoë"));
  Main->SetShowPlayerOnly(true);
  EXPECT_EQ(ListedNames(*Main), (Names{"Zo\xEB"}));
}

class MatchFilter : public ScoreScreen {
 protected:
  void SetUp() override {
    ScoreScreen::SetUp();
    const TGameRecord reference = ListedGame("Ref", 0);
    SetDialogTo(reference);
    TGameRecord same = ListedGame("Same", 100);
    same.Clock = 99;        // the clock is no setting
    same.PatternID = 4242;  // nor the pattern
    TGameRecord mines10 = ListedGame("Mines", 200);
    mines10.MinePopulation += 10;  // distance 3
    TGameRecord timed = ListedGame("Timed", 300);
    timed.TimedGame = 1;  // distance 3
    TGameRecord far = ListedGame("Far", 400);
    far.SizeX = 147;
    far.SizeY = 98;
    far.MinePopulation = 1000;  // 180 apart, far beyond the slider
    TGameRecord size9 = ListedGame("Nine", 500);
    size9.SizeX = 9;
    size9.SizeY = 9;  // distance 6
    WriteScores({same, mines10, timed, far, size9});
  }
};

TEST_F(MatchFilter, LevelsZeroAndOneListOnlyIdenticalSettings) {
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(0);
  EXPECT_EQ(ListedNames(*Main), (Names{"Same"}));
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(1);
  EXPECT_EQ(ListedNames(*Main), (Names{"Same"}));
}

TEST_F(MatchFilter, LevelsWidenTheListStepByStep) {
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(3);
  EXPECT_EQ(ListedNames(*Main), (Names{"Timed", "Mines", "Same"}));
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(6);
  EXPECT_EQ(ListedNames(*Main), (Names{"Nine", "Timed", "Mines", "Same"}));
}

TEST_F(MatchFilter, LevelSeventyFourHidesFarGamesAndSeventyFiveShowsAll) {
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(74);
  EXPECT_EQ(ListedNames(*Main), (Names{"Nine", "Timed", "Mines", "Same"}));
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(75);
  EXPECT_EQ(ListedNames(*Main), (Names{"Nine", "Far", "Timed", "Mines", "Same"}));
}

TEST_F(MatchFilter, DiscPicturesFilterAtOnce) {
  ClickWidget(Image2(Main->ScoreScreen()));
  EXPECT_EQ(ListedNames(*Main), (Names{"Same"}));
  ClickWidget(Image3(Main->ScoreScreen()));
  EXPECT_EQ(ListedNames(*Main).size(), 5u);
}

TEST_F(MatchFilter, ReferenceIsTheDialogsCurrentSettings) {
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(0);
  Dialog->SetMinePopulation(50);
  Repaint();
  EXPECT_EQ(ListedNames(*Main), (Names{"Mines"}));
  EXPECT_EQ(Main->CurrentGame().MinePopulation, 50);
}
