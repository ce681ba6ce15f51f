#include <QAction>
#include "WindowFixture.h"
#include "board/Random.h"
#include "support/WindowParts.h"

namespace {

const QString HintSafe = QStringLiteral(" Hint: the framed area is safe");
const QString HintMine = QStringLiteral(" Hint: the framed area holds a mine");
const QString HintNone = QStringLiteral(" Hint: nothing can be proven now; a guess is needed");
const QString HintLate = QStringLiteral(" Hint: nothing found in time");

}  // namespace

class HintPlayTest : public WindowTest {
 protected:
  QString Said() const { return StatusBar(Main)->text(); }
  std::int32_t HintsUsed() const { return Main->Game().HintsUsed(); }
};

// H and the menu's "Hint" act on the game screen of a game in play, and
// not before the first game, on the score screen or while the new game
// dialog waits. The status bar says what the hint found, the cursor frames
// its area and the score pays for it.
TEST_F(HintPlayTest, ActsOnlyOnAGameInPlayAndSaysWhatItFound) {
  FieldKey(Qt::Key_H);
  MenuHint(Main)->trigger();
  EXPECT_EQ(Said(), QStringLiteral(" "));

  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 40}, 25);
  LayMinesOn({{1, 1}, {3, 3}});
  Click(Qt::LeftButton, {2, 2});  // a 2 with eight covered areas round it
  FieldKey(Qt::Key_H);
  EXPECT_EQ(Said(), HintNone);
  Main->Game().SetHintTimeLimit(std::chrono::milliseconds(0));
  MenuHint(Main)->trigger();
  EXPECT_EQ(Said(), HintLate);
  Main->Game().SetHintTimeLimit(TGame::HintTimeLimit);
  EXPECT_EQ(HintsUsed(), 0);
  EXPECT_EQ(Main->Score(), 105) << "a hint that shows nothing costs nothing";

  Click(Qt::LeftButton, {10, 10});  // floods all but the two mines
  EXPECT_EQ(Said(), QStringLiteral(" ")) << "the word of the last hint goes with the next action";
  FieldKey(Qt::Key_H);
  EXPECT_EQ(Said(), HintMine);
  EXPECT_EQ(Main->Board()->CursorArea(), AreaOf({3, 3})) << "nearest the last area played";
  EXPECT_EQ(Main->Score(), 110 - 10);
  EXPECT_EQ(LabelScore(Main)->text(), QStringLiteral("100"));
  EXPECT_FALSE(Main->Board()->ProofAreas().empty());
  FieldKey(Qt::Key_M);
  EXPECT_TRUE(AreaOf({3, 3})->Marked);
  EXPECT_TRUE(Main->Board()->ProofAreas().empty());
  EXPECT_EQ(Said(), QStringLiteral(" "));

  Key(Qt::Key_F3);  // the score screen
  FieldKey(Qt::Key_H);
  MenuHint(Main)->trigger();
  EXPECT_EQ(HintsUsed(), 1);
  Key(Qt::Key_F3);
  WhileDialogShown = [this] {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier);
    QApplication::sendEvent(NamedPart<QWidget>(Main, "GameScreen"), &press);
    MenuHint(Main)->trigger();
  };
  Key(Qt::Key_F5);
  EXPECT_EQ(HintsUsed(), 1);
  ASSERT_TRUE(Main->GameActive());
  FieldKey(Qt::Key_H);
  EXPECT_EQ(HintsUsed(), 2);
  EXPECT_EQ(Main->Score(), 110 - 10 - 20);
  FieldKey(Qt::Key_M);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("Success!!")));
}

// No-Guessing fields of several kinds, played to the end with H and the
// action keys alone: Space at the centre to start (the first Space shows
// the cursor), then each hint's area uncovered with Space when it is safe
// and marked with M when it holds a mine. Every one is won.
TEST_F(HintPlayTest, NoGuessingFieldsAreWonWithHintsAndTheActionKeysAlone) {
  NamedPart<QAction>(Main, "NoGuess1")->trigger();
  const TFieldSettings kinds[] = {
      {.Columns = 10, .Rows = 10, .MinePopulation = 80},
      {.Columns = 10, .Rows = 10, .MinePopulation = 80, .CellSize = 40},
      {.Columns = 10, .Rows = 10, .MinePopulation = 80, .Linking = 40},
      {.Columns = 10, .Rows = 10, .MinePopulation = 80, .Holes = 30},
  };
  int won = 0;
  std::uint64_t seed = 2500;
  for (const TFieldSettings& kind : kinds)
    for (int field = 0; field < 2; ++field) {
      // A field whose centre is playable and that needs no guess.
      do {
        StartSeededGame(kind, ++seed);
        const TBoard& board = *Main->Board();
        if (board.AreaAt((board.SizeX() + 1) / 2, (board.SizeY() + 1) / 2)->Hole) continue;
        FieldKey(Qt::Key_H);
        ASSERT_EQ(Said(), HintNone);
        FieldKey(Qt::Key_Space);
        FieldKey(Qt::Key_Space);
      } while (!Main->GameActive() || Main->Game().MayNeedGuess() ||
               CountAreas([](const TAreaProperties& a) { return a.Uncovered; }) == 0);
      const std::size_t messages = Messages.size();
      for (int step = 0; step < 500 && Main->GameActive(); ++step) {
        FieldKey(Qt::Key_H);
        const QString said = Said();
        ASSERT_TRUE(said == HintSafe || said == HintMine) << "seed " << seed << ": " << said.toStdString();
        FieldKey(said == HintSafe ? Qt::Key_Space : Qt::Key_M);
      }
      ASSERT_EQ(Messages.size(), messages + 1) << "seed " << seed;
      EXPECT_TRUE(Messages.back().startsWith(QStringLiteral("Success!!"))) << "seed " << seed;
      won += Messages.back().startsWith(QStringLiteral("Success!!"));
    }
  EXPECT_EQ(won, 8);
}
