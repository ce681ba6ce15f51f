#include "WindowFixture.h"
#include "support/WindowParts.h"

// "Open Around Numbers" through the window's handlers, on fields whose
// mines the test lays.
class OpenAroundPlayTest : public WindowTest {
 protected:
  // A 10 x 10 field of single squares with mines only on these cells.
  void StartLaid(const std::vector<TCell>& mines) {
    StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 40}, 25);
    LayMinesOn(mines);
  }
  void SetOption(bool on) {
    if (Main->Game().OpenAround() != on) NamedPart<QAction>(Main, "OpenAround1")->trigger();
  }
  // To the top-left corner, then along, as a player would.
  void CursorTo(TCell cell) {
    if (!Main->Game().Cursor().Shown()) FieldKey(Qt::Key_Home);
    FieldKey(Qt::Key_Home);
    FieldKey(Qt::Key_PageUp);
    for (int c = 1; c < cell.Column; ++c) FieldKey(Qt::Key_Right);
    for (int r = 1; r < cell.Row; ++r) FieldKey(Qt::Key_Down);
  }
  int UncoveredAreas() const { return CountAreas([](const TAreaProperties& a) { return a.Uncovered; }); }
  QRgb CanvasAt(QPoint at) const { return Main->CanvasImage().pixel(at); }
};

// The middle button, a left click and Space on a 1 whose mine is marked
// open the areas round it while the option is on, and do nothing while it
// is off.
TEST_F(OpenAroundPlayTest, TheMiddleButtonALeftClickAndSpaceOpenAroundOnlyWithTheOptionOn) {
  enum TInput { in_Middle, in_Left, in_Space };
  for (const bool on : {false, true})
    for (const TInput input : {in_Middle, in_Left, in_Space}) {
      SCOPED_TRACE(testing::Message() << (on ? "on, input " : "off, input ") << input);
      SetOption(on);
      StartLaid({{1, 1}, {10, 10}});
      Click(Qt::LeftButton, {2, 2});
      Click(Qt::RightButton, {1, 1});
      ASSERT_TRUE(AreaOf({2, 2})->Uncovered);
      const int before = UncoveredAreas();
      const int score = Main->Score();
      if (input == in_Middle) Click(Qt::MiddleButton, {2, 2});
      if (input == in_Left) Click(Qt::LeftButton, {2, 2});
      if (input == in_Space) {
        CursorTo({2, 2});
        FieldKey(Qt::Key_Space);
      }
      EXPECT_EQ(UncoveredAreas() > before, on);
      EXPECT_EQ(AreaOf({3, 3})->Uncovered, on) << "a 0, which floods";
      // (1, 2), a 1, and (1, 3), a 0 whose flood opens the rest: five points each.
      EXPECT_EQ(Main->Score(), on ? score + 2 * 5 : score);
      EXPECT_EQ(LabelScore(Main)->text(), QString::number(Main->Score()));
      EXPECT_TRUE(Messages.empty());
    }
}

// A wrong mark makes the chord meet a mine: the game is lost then and
// there, with the loss's message and record, and nothing after the mine
// is uncovered.
TEST_F(OpenAroundPlayTest, AChordThatMeetsAMineLosesTheGame) {
  SetOption(true);
  StartLaid({{1, 1}, {1, 3}});
  Click(Qt::LeftButton, {2, 2});  // a 2
  Click(Qt::RightButton, {1, 1});
  Click(Qt::RightButton, {3, 1});  // wrong
  Click(Qt::MiddleButton, {2, 2});  // (1, 2) opens, then (1, 3) goes off
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You tripped the minefield!");
  EXPECT_FALSE(Main->GameActive());
  EXPECT_EQ(RecordsInScores(), 1);
  EXPECT_EQ(LastScore().Score, 110 * 4 / 5);
  EXPECT_TRUE(AreaOf({1, 2})->Uncovered);
  for (const TCell after : {TCell{3, 2}, TCell{3, 3}, TCell{2, 1}, TCell{2, 3}}) EXPECT_FALSE(AreaOf(after)->Uncovered);
}

// Marks that do not match the number: the covered, unmarked areas round it
// flash on the ticks that follow, on and off, and are then drawn as before.
TEST_F(OpenAroundPlayTest, UnmatchedMarksMakeTheAreasRoundFlashForAFewTicks) {
  SetOption(true);
  StartLaid({{1, 1}, {10, 10}});
  Click(Qt::LeftButton, {2, 2});
  const TBoard& board = *Main->Board();
  const QPoint inside(board.ColumnLeft(3) + 3, board.RowTop(3) + 3);  // (3, 3), away from its bevel
  Main->Tick();
  const QRgb plain = CanvasAt(inside);
  Click(Qt::MiddleButton, {2, 2});
  std::vector<bool> lit;
  for (int tick = 0; tick < 8; ++tick) {
    Main->Tick();
    lit.push_back(CanvasAt(inside) != plain);
  }
  EXPECT_EQ(lit, (std::vector<bool>{true, false, true, false, true, false, false, false}));
  EXPECT_FALSE(board.Animating());
  EXPECT_TRUE(Covered(*AreaOf({3, 3})));
}
