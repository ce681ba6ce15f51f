#include <QApplication>
#include <QTimer>
#include "WindowFixture.h"
#include "support/WindowParts.h"
#include "ui/WindowVisibility.h"

// What the window does while the player does nothing: ticks that change no
// pixel of the canvas draw nothing on it, and where nothing a tick changes
// can be seen, the timer rests.

TEST_F(WindowTest, ATickThatChangesNothingDrawsNothingOnTheCanvas) {
  // Ticks enough for the clock to show another second and the prompts to
  // take many colours: neither is the canvas's.
  auto expectQuietTicks = [this](const char* state) {
    QApplication::processEvents();  // the screen catches up with the canvas
    ASSERT_TRUE(Main->CanvasDirty().isEmpty()) << state;
    for (int i = 0; i < 12; ++i) {
      Main->Tick();
      EXPECT_TRUE(Main->CanvasDirty().isEmpty()) << state << ", tick " << i;
    }
  };
  expectQuietTicks("score screen");
  StartGame({.Columns = 6, .Rows = 6});
  MoveTo(QPoint(2, Main->height() / 2));  // beside the field
  expectQuietTicks("game screen, pointer off the field");
  Key(Qt::Key_F3);
  expectQuietTicks("paused");

  // The hovered area pulses: its cells, and no more, wait to be shown.
  Key(Qt::Key_F3);
  MoveTo(CentreOf({3, 3}));
  QApplication::processEvents();
  Main->Tick();
  const TBoard& board = *Main->Board();
  EXPECT_EQ(Main->CanvasDirty(), QRect(QPoint(board.ColumnLeft(3), board.RowTop(3)),
                                       QPoint(board.ColumnRight(3), board.RowBottom(3))));
}

TEST_F(WindowTest, TicksRestWhileNothingTheyChangeCanBeSeen) {
  auto* visibility = Main->findChild<TWindowVisibility*>();
  ASSERT_TRUE(visibility);
  QTimer* timer = TimerTick(Main);
  visibility->SetObscured(true);
  EXPECT_FALSE(timer->isActive()) << "score screen behind other windows";
  EXPECT_TRUE(Main->Ticking());
  visibility->SetObscured(false);
  EXPECT_TRUE(timer->isActive()) << "score screen in view again";

  StartGame();
  visibility->SetObscured(true);
  EXPECT_TRUE(timer->isActive()) << "the clock of a covered game counts on";
  visibility->SetObscured(false);

  // A minimised game takes one more tick, which pauses it; then the timer
  // rests, and the pulse goes on where it stood.
  Main->showMinimized();
  EXPECT_TRUE(timer->isActive());
  const std::int32_t clock = Main->Clock();
  Main->TimerTickTimer();
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_EQ(Main->Clock(), clock);
  EXPECT_FALSE(timer->isActive()) << "minimised";
  const std::int32_t pulse = Main->PulseCount();
  Main->showNormal();
  EXPECT_TRUE(timer->isActive()) << "shown again";
  EXPECT_EQ(timer->interval(), 30);
  EXPECT_EQ(Main->PulseCount(), pulse);
}
