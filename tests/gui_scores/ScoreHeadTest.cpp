#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include "ScoreScreenFixture.h"
#include "support/WindowParts.h"


TEST_F(ScoreScreen, HeaderSpansTheWindowUnderTheToolbar) {
  ASSERT_NE(Main->ScoreScreen(), nullptr);
  EXPECT_EQ(Main->ScoreScreen()->parentWidget(), Main);
  EXPECT_EQ(Main->ScoreScreen()->geometry(), QRect(0, 39, 478, 39));
  EXPECT_TRUE(Main->ScoreScreen()->isVisible());
  EXPECT_EQ(Main->ScoreScreen()->frameShape(), QFrame::NoFrame);
}

TEST_F(ScoreScreen, HeaderControlsSitAtTheirDesignPlaces) {
  EXPECT_EQ(RadioButtonAllPlayers(Main->ScoreScreen())->geometry(), QRect(12, 5, 16, 29));
  EXPECT_EQ(Image11(Main->ScoreScreen())->geometry(), QRect(28, 5, 33, 25));
  EXPECT_EQ(RadioButtonThisPlayer(Main->ScoreScreen())->geometry(), QRect(72, 5, 16, 29));
  EXPECT_EQ(Image1(Main->ScoreScreen())->geometry(), QRect(88, 5, 17, 25));
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->geometry(), QRect(107, 4, 202, 32));
  EXPECT_EQ(Image2(Main->ScoreScreen())->geometry(), QRect(320, 3, 32, 32));
  EXPECT_EQ(TrackBarMatchSpec(Main->ScoreScreen())->geometry(), QRect(351, 9, 90, 22));
  EXPECT_EQ(Image3(Main->ScoreScreen())->geometry(), QRect(441, 3, 32, 32));
}

TEST_F(ScoreScreen, RightAnchoredControlsKeepTheirDistanceOnResize) {
  ResizeClient(678, 511);
  EXPECT_EQ(Main->ScoreScreen()->width(), 678);
  EXPECT_EQ(Image2(Main->ScoreScreen())->geometry(), QRect(520, 3, 32, 32));
  EXPECT_EQ(TrackBarMatchSpec(Main->ScoreScreen())->geometry(), QRect(551, 9, 90, 22));
  EXPECT_EQ(Image3(Main->ScoreScreen())->geometry(), QRect(641, 3, 32, 32));
  // The name takes the width in between; the left controls stay.
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->geometry(), QRect(107, 4, 402, 32));
  EXPECT_EQ(RadioButtonThisPlayer(Main->ScoreScreen())->geometry(), QRect(72, 5, 16, 29));
  ResizeClient(400, 511);
  EXPECT_EQ(Image3(Main->ScoreScreen())->geometry(), QRect(363, 3, 32, 32));
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->geometry(), QRect(107, 4, 124, 32));
}

TEST_F(ScoreScreen, HeaderControlsCarryTheirHints) {
  EXPECT_EQ(RadioButtonAllPlayers(Main->ScoreScreen())->toolTip(), "Show everyone's scores");
  EXPECT_EQ(RadioButtonAllPlayers(Main->ScoreScreen())->statusTip(), "Click to show everyone's scores");
  EXPECT_EQ(Image11(Main->ScoreScreen())->statusTip(), "Click to show everyone's scores");
  EXPECT_EQ(RadioButtonThisPlayer(Main->ScoreScreen())->toolTip(), "Show just your scores");
  EXPECT_EQ(Image1(Main->ScoreScreen())->statusTip(), "Click to show just your scores");
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->toolTip(), "Your name");
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->statusTip(), "Your name");
  EXPECT_EQ(Image2(Main->ScoreScreen())->toolTip(), "Show Matching");
  EXPECT_EQ(Image2(Main->ScoreScreen())->statusTip(),
            "Click to show scores just for games matching the current settings.");
  EXPECT_EQ(TrackBarMatchSpec(Main->ScoreScreen())->toolTip(), "<-- Match current / Show more -->");
  EXPECT_EQ(TrackBarMatchSpec(Main->ScoreScreen())->statusTip(), "Shows games matching the current New Game settings");
  EXPECT_EQ(Image3(Main->ScoreScreen())->toolTip(), "Show All");
  EXPECT_EQ(Image3(Main->ScoreScreen())->statusTip(), "Click to show scores for all game settings.");
}

TEST_F(ScoreScreen, MatchSliderRunsFromExactToAllAndStartsAtAll) {
  QSlider* slider = TrackBarMatchSpec(Main->ScoreScreen());
  EXPECT_EQ(slider->orientation(), Qt::Horizontal);
  EXPECT_EQ(slider->minimum(), 0);
  EXPECT_EQ(slider->maximum(), 75);
  EXPECT_EQ(slider->value(), 75);
  EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
  // Ticks at both ends and nowhere between.
  EXPECT_EQ(slider->tickInterval(), 75);
}

TEST_F(ScoreScreen, TabOrderRunsAllPlayersThisPlayerSlider) {
  // The pictures and the name take no focus; among the focusable controls
  // the chain runs in this order.
  const std::vector<QWidget*> ordered{RadioButtonAllPlayers(Main->ScoreScreen()), RadioButtonThisPlayer(Main->ScoreScreen()),
                                      TrackBarMatchSpec(Main->ScoreScreen())};
  std::vector<QWidget*> met;
  QWidget* widget = RadioButtonAllPlayers(Main->ScoreScreen());
  for (int step = 0; step < 500 && met.size() < ordered.size(); ++step) {
    if (std::find(ordered.begin(), ordered.end(), widget) != ordered.end() &&
        std::find(met.begin(), met.end(), widget) == met.end())
      met.push_back(widget);
    widget = widget->nextInFocusChain();
  }
  EXPECT_EQ(met, ordered);
  EXPECT_EQ(Image1(Main->ScoreScreen())->focusPolicy(), Qt::NoFocus);
}

TEST_F(ScoreScreen, StartsShowingEveryonesScores) {
  EXPECT_FALSE(Main->ShowPlayerOnly());
  EXPECT_TRUE(RadioButtonAllPlayers(Main->ScoreScreen())->isChecked());
  EXPECT_FALSE(RadioButtonThisPlayer(Main->ScoreScreen())->isChecked());
}

TEST_F(ScoreScreen, PeoplePicturesCheckTheirRadioButtons) {
  ClickWidget(Image1(Main->ScoreScreen()));
  EXPECT_TRUE(Main->ShowPlayerOnly());
  EXPECT_TRUE(RadioButtonThisPlayer(Main->ScoreScreen())->isChecked());
  EXPECT_FALSE(RadioButtonAllPlayers(Main->ScoreScreen())->isChecked());
  ClickWidget(Image11(Main->ScoreScreen()));
  EXPECT_FALSE(Main->ShowPlayerOnly());
  EXPECT_TRUE(RadioButtonAllPlayers(Main->ScoreScreen())->isChecked());
}

TEST_F(ScoreScreen, SetShowPlayerOnlyMirrorsTheRadioButtons) {
  Main->SetShowPlayerOnly(true);
  EXPECT_TRUE(RadioButtonThisPlayer(Main->ScoreScreen())->isChecked());
  EXPECT_FALSE(RadioButtonAllPlayers(Main->ScoreScreen())->isChecked());
  Main->SetShowPlayerOnly(false);
  EXPECT_TRUE(RadioButtonAllPlayers(Main->ScoreScreen())->isChecked());
  EXPECT_FALSE(RadioButtonThisPlayer(Main->ScoreScreen())->isChecked());
}

TEST_F(ScoreScreen, ClickingTheCheckedFilterAgainRepaintsNothing) {
  ClickWidget(Image1(Main->ScoreScreen()));
  ASSERT_TRUE(Main->ShowPlayerOnly());
  // Mark the canvas: a repaint would cover the mark with the button face.
  const_cast<QImage&>(Main->CanvasImage()).setPixel(1, 200, qRgb(255, 0, 0));
  ClickWidget(Image1(Main->ScoreScreen()));
  RadioButtonThisPlayer(Main->ScoreScreen())->click();
  EXPECT_TRUE(Main->ShowPlayerOnly());
  EXPECT_EQ(Main->CanvasImage().pixel(1, 200), qRgb(255, 0, 0));
  // Changing the filter repaints at once.
  ClickWidget(Image11(Main->ScoreScreen()));
  EXPECT_NE(Main->CanvasImage().pixel(1, 200), qRgb(255, 0, 0));
}

TEST_F(ScoreScreen, DiscPicturesMoveTheSliderToItsEnds) {
  ClickWidget(Image2(Main->ScoreScreen()));
  EXPECT_EQ(TrackBarMatchSpec(Main->ScoreScreen())->value(), 0);
  ClickWidget(Image3(Main->ScoreScreen()));
  EXPECT_EQ(TrackBarMatchSpec(Main->ScoreScreen())->value(), 75);
}

TEST_F(ScoreScreen, PlayerNameLabelShowsTheDialogsNameAsPlainText) {
  Dialog->SetCurrentName("<b>Zoë</b> & co");
  Repaint();
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->text(), "<b>Zoë</b> & co");
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->textFormat(), Qt::PlainText);
  EXPECT_TRUE(LabelPlayerName(Main->ScoreScreen())->font().bold());
  EXPECT_EQ(LabelPlayerName(Main->ScoreScreen())->font().pixelSize(), 27);
}

TEST_F(ScoreScreen, HeaderHidesOnTheGameScreen) {
  StartGameThroughDialog();
  EXPECT_FALSE(Main->ScoreScreen()->isVisible());
  Main->BtnPauseClick();
  EXPECT_TRUE(Main->ScoreScreen()->isVisible());
}
