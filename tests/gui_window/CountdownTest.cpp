#include <QLabel>
#include <QPalette>
#include <QToolButton>
#include "WindowFixture.h"
#include "ui/WidgetColours.h"
#include "support/WindowParts.h"

namespace {
// A strip of one colour says it; other panels fill their background.
TColour Background(const QWidget* widget) {
  const QVariant strip = widget->property("Colour");
  return FromQColor(strip.isValid() ? strip.value<QColor>() : widget->palette().color(widget->backgroundRole()));
}
TColour TextColour(const QWidget* widget) {
  return FromQColor(widget->palette().color(widget->foregroundRole()));
}
}  // namespace

TEST_F(WindowTest, GameTimeShowsMinutesAndSecondsOfWholeSeconds) {
  Main->ShowGameTime(0);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 00:00");
  Main->ShowGameTime(810);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 01:21");
  EXPECT_EQ(LabelTimeB2(Main)->text(), " 01:21");
  Main->ShowGameTime(60000);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 100:00");
  Main->ShowGameTime(-1);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 00:00");
  EXPECT_EQ(PanelCountdownBar(Main)->width(), 0);
  Main->ShowGameTime(9);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 00:00");
}

TEST_F(WindowTest, TimedCountdownBarNarrowsAndTurnsFromBeigeToRed) {
  StartGame({.Columns = 15, .Rows = 15, .Timed = true, .GameSpeed = 7});
  EXPECT_EQ(Main->Clock(), 810);
  Main->ShowGameTime(810);
  EXPECT_EQ(PanelCountdownBar(Main)->width(), 40);
  EXPECT_EQ(Background(PanelCountdownBar(Main)), RGBColour(221, 204, 170));
  Main->ShowGameTime(300);  // 30 s: 15 pixels, yellow
  EXPECT_EQ(PanelCountdownBar(Main)->width(), 15);
  EXPECT_EQ(Background(PanelCountdownBar(Main)), RGBColour(255, 255, 0));
  Main->ShowGameTime(100);  // 10 s: 5 pixels, red
  EXPECT_EQ(Background(PanelCountdownBar(Main)), RGBColour(255, 0, 0));
  EXPECT_EQ(TextColour(LabelTimeB2(Main)), RGBColour(255, 0, 0));
  Main->ShowGameTime(1740);  // 87 pixels: black text
  EXPECT_EQ(PanelCountdownBar(Main)->width(), 87);
  EXPECT_EQ(TextColour(LabelTimeB2(Main)), clBlack);
  Main->ShowGameTime(100000);  // never wider than the panel
  EXPECT_EQ(PanelCountdownBar(Main)->width(), 88);
}

TEST_F(WindowTest, UntimedGameHidesTheBarAndCountsUp) {
  StartGame();
  EXPECT_EQ(Main->Clock(), 0);
  for (int i = 0; i < 25; ++i) Main->Tick();
  EXPECT_EQ(Main->Clock(), 25);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 00:02");
  EXPECT_EQ(Background(PanelCountdownBar(Main)), FromQColor(Main->palette().color(QPalette::Button)));
  EXPECT_EQ(TextColour(LabelTimeB2(Main)), clBlack);
}

TEST_F(WindowTest, PausePromptStaysInvisibleUntilTheFirstGame) {
  const TColour toolbar = Background(SpeedPanel(Main));
  for (int i = 0; i < 10; ++i) {
    Main->Tick();
    EXPECT_EQ(Background(PanelPausePrompt(Main)), toolbar);
  }
  EXPECT_NE(Background(PanelNewPrompt(Main)), toolbar);  // orange-red part of the pulse
  EXPECT_EQ(Main->PulseCount(), 34);
  StartGame();
  Main->Tick();
  EXPECT_EQ(Background(PanelPausePrompt(Main)), Background(PanelNewPrompt(Main)));
}

TEST_F(WindowTest, PromptPulseFollowsTheCosineOfThePulseCount) {
  const TColour menu = FromQColor(Main->palette().color(QPalette::Window));
  Main->SetPulseCount(-1);  // the next tick is step 0: fully the menu colour
  Main->Tick();
  EXPECT_EQ(Background(PanelNewPrompt(Main)), menu);
  Main->SetPulseCount(15);  // 16 x 0.2 = 3.2 rad, near pi: nearly orange-red
  Main->Tick();
  const TColour low = Background(PanelNewPrompt(Main));
  EXPECT_EQ(RedOf(low), 255);
  EXPECT_LT(GreenOf(low), 70);
  EXPECT_LT(BlueOf(low), 10);
}
