#include "WindowFixture.h"

// Press and release count together only on one area; left uncovers, right
// marks, both tint.
namespace {
constexpr TColour TintColour = 0x444470;
}  // namespace

class MouseTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartSeededGame({.Columns = 12, .Rows = 12, .MinePopulation = 60}, 1234);
  }
  // Two cells of different covered areas.
  std::pair<TCell, TCell> TwoAreas(const std::function<bool(const TAreaProperties&)>& wanted) {
    const std::vector<TCell> cells = Cells(wanted);
    for (TCell other : cells)
      if (AreaOf(other) != AreaOf(cells.front())) return {cells.front(), other};
    ADD_FAILURE() << "no two areas";
    return {};
  }
};

TEST_F(MouseTest, LeftPressAndReleaseOnOneAreaUncoversIt) {
  const TCell safe = ACoveredSafeArea();
  Click(Qt::LeftButton, safe);
  EXPECT_TRUE(AreaOf(safe)->Uncovered);
  EXPECT_EQ(Main->Score(), 105);
  EXPECT_FALSE(Main->Game().LeftDown());
}

TEST_F(MouseTest, ReleaseOnAnotherAreaOnlyAnswersThePress) {
  const auto [pressed, released] = TwoAreas(Covered);
  Press(Qt::LeftButton, pressed);
  EXPECT_TRUE(Main->Game().LeftDown());
  EXPECT_EQ(Main->Game().PressedArea(), AreaOf(pressed));
  Release(Qt::LeftButton, released);
  EXPECT_FALSE(Main->Game().LeftDown());
  EXPECT_TRUE(Covered(*AreaOf(pressed)));
  EXPECT_TRUE(Covered(*AreaOf(released)));
  EXPECT_EQ(Main->Score(), 100);
  EXPECT_TRUE(Main->Board()->FirstMove());
}

TEST_F(MouseTest, RightClickMarksAndASecondUnmarksForTwentyPoints) {
  const TCell cell = ACoveredSafeArea();
  Click(Qt::RightButton, cell);
  EXPECT_TRUE(AreaOf(cell)->Marked);
  EXPECT_EQ(Main->Score(), 100);
  Click(Qt::RightButton, cell);
  EXPECT_FALSE(AreaOf(cell)->Marked);
  EXPECT_EQ(Main->Score(), 80);
  EXPECT_FALSE(Main->Game().RightDown());
}

TEST_F(MouseTest, RightReleaseWhileLeftHeldTintsThenLeftReleaseUncovers) {
  const TCell cell = ACoveredSafeArea();
  Press(Qt::LeftButton, cell);
  Press(Qt::RightButton, cell);
  Release(Qt::RightButton, cell);
  EXPECT_EQ(AreaOf(cell)->Colour, TintColour);
  EXPECT_FALSE(AreaOf(cell)->Marked);
  EXPECT_FALSE(Main->Game().LeftDown());
  EXPECT_FALSE(Main->Game().RightDown());
  EXPECT_FALSE(Main->Board()->FirstMove());  // a tint ends the first-move grace
  Release(Qt::LeftButton, cell);
  EXPECT_TRUE(AreaOf(cell)->Uncovered);
  EXPECT_EQ(Main->Score(), 105);
}

TEST_F(MouseTest, LeftReleaseWhileRightHeldTintsThenRightReleaseMarks) {
  const TCell cell = ACoveredSafeArea();
  Press(Qt::RightButton, cell);
  Press(Qt::LeftButton, cell);
  Release(Qt::LeftButton, cell);
  EXPECT_EQ(AreaOf(cell)->Colour, TintColour);
  EXPECT_FALSE(AreaOf(cell)->Uncovered);
  Release(Qt::RightButton, cell);
  EXPECT_TRUE(AreaOf(cell)->Marked);
}

TEST_F(MouseTest, ReleaseOutsideTheGridLeavesItsFlagSetForALaterBothButtonsRelease) {
  const auto [first, second] = TwoAreas(CoveredSafe);
  Press(Qt::LeftButton, first);
  Release(Qt::LeftButton, QPoint(0, Main->height() / 2));
  EXPECT_TRUE(Main->Game().LeftDown());
  Click(Qt::RightButton, second);
  EXPECT_EQ(AreaOf(second)->Colour, TintColour);
  EXPECT_FALSE(AreaOf(second)->Marked);
  EXPECT_FALSE(Main->Game().LeftDown());
}

TEST_F(MouseTest, OtherButtonsDoNothing) {
  const TCell cell = ACoveredSafeArea();
  Click(Qt::MiddleButton, cell);
  EXPECT_TRUE(Covered(*AreaOf(cell)));
  EXPECT_FALSE(Main->Game().LeftDown());
  EXPECT_FALSE(Main->Game().RightDown());
}

TEST_F(MouseTest, PressesNeverReachTheBoardOnTheScoreScreenOrWithoutAGame) {
  const TCell cell = ACoveredSafeArea();
  Key(Qt::Key_F3);
  Press(Qt::RightButton, cell);
  Release(Qt::RightButton, cell);
  EXPECT_FALSE(Main->Game().RightDown());
  Key(Qt::Key_F3);
  EXPECT_TRUE(Covered(*AreaOf(cell)));

  Main->SetGameActive(false);
  Click(Qt::LeftButton, cell);
  EXPECT_TRUE(Covered(*AreaOf(cell)));
}

TEST_F(MouseTest, AClickThatBringsBackTheGameDoesNotPlayOnIt) {
  const auto [first, second] = TwoAreas(CoveredSafe);
  Press(Qt::LeftButton, first);
  Release(Qt::LeftButton, second);  // pressed area stays the first
  Key(Qt::Key_F3);
  Main->ScoreScreen()->SetHoverRow(0);
  Click(Qt::LeftButton, first);  // on the score screen: back to the game
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_TRUE(Covered(*AreaOf(first)));
}

class ShapedMouseTest : public WindowTest {};

TEST_F(ShapedMouseTest, PressAndReleaseOnTwoCellsOfOneShapedAreaUncoverIt) {
  StartSeededGame({.Columns = 15, .Rows = 15, .MinePopulation = 20, .CellSize = 60}, 99);
  // Two cells of one safe area of several cells.
  std::vector<TCell> safe = Cells(CoveredSafe);
  TCell a{}, b{};
  for (TCell x : safe)
    for (TCell y : safe)
      if (AreaOf(x) == AreaOf(y) && (x.Column != y.Column || x.Row != y.Row)) {
        a = x;
        b = y;
      }
  ASSERT_NE(a.Column, 0) << "no shaped area";
  Press(Qt::LeftButton, a);
  Release(Qt::LeftButton, b);
  EXPECT_TRUE(AreaOf(a)->Uncovered);
}
