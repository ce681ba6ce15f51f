#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include "ScoreScreenFixture.h"


TEST_F(ScoreScreen, HeaderSpansTheWindowUnderTheToolbar) {
  ASSERT_NE(Main->ScoreScreen(), nullptr);
  EXPECT_EQ(Main->ScoreScreen()->parentWidget(), Main);
  EXPECT_EQ(Main->ScoreScreen()->geometry(), QRect(0, 39, 478, 39));
  EXPECT_TRUE(Main->ScoreScreen()->isVisible());
  EXPECT_EQ(Main->ScoreScreen()->frameShape(), QFrame::NoFrame);
}

TEST_F(ScoreScreen, HeaderControlsSitAtTheirDesignPlaces) {
  EXPECT_EQ(Main->ScoreScreen()->RadioButtonAllPlayers->geometry(), QRect(12, 5, 16, 29));
  EXPECT_EQ(Main->ScoreScreen()->Image11->geometry(), QRect(28, 5, 33, 25));
  EXPECT_EQ(Main->ScoreScreen()->RadioButtonThisPlayer->geometry(), QRect(72, 5, 16, 29));
  EXPECT_EQ(Main->ScoreScreen()->Image1->geometry(), QRect(88, 5, 17, 25));
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->geometry(), QRect(107, 4, 202, 32));
  EXPECT_EQ(Main->ScoreScreen()->Image2->geometry(), QRect(320, 3, 32, 32));
  EXPECT_EQ(Main->ScoreScreen()->TrackBarMatchSpec->geometry(), QRect(351, 9, 90, 22));
  EXPECT_EQ(Main->ScoreScreen()->Image3->geometry(), QRect(441, 3, 32, 32));
}

TEST_F(ScoreScreen, RightAnchoredControlsKeepTheirDistanceOnResize) {
  ResizeClient(678, 511);
  EXPECT_EQ(Main->ScoreScreen()->width(), 678);
  EXPECT_EQ(Main->ScoreScreen()->Image2->geometry(), QRect(520, 3, 32, 32));
  EXPECT_EQ(Main->ScoreScreen()->TrackBarMatchSpec->geometry(), QRect(551, 9, 90, 22));
  EXPECT_EQ(Main->ScoreScreen()->Image3->geometry(), QRect(641, 3, 32, 32));
  // The name takes the width in between; the left controls stay.
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->geometry(), QRect(107, 4, 402, 32));
  EXPECT_EQ(Main->ScoreScreen()->RadioButtonThisPlayer->geometry(), QRect(72, 5, 16, 29));
  ResizeClient(400, 511);
  EXPECT_EQ(Main->ScoreScreen()->Image3->geometry(), QRect(363, 3, 32, 32));
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->geometry(), QRect(107, 4, 124, 32));
}

TEST_F(ScoreScreen, HeaderControlsCarryTheirHints) {
  EXPECT_EQ(Main->ScoreScreen()->RadioButtonAllPlayers->toolTip(), "Show everyone's scores");
  EXPECT_EQ(Main->ScoreScreen()->RadioButtonAllPlayers->statusTip(), "Click to show everyone's scores");
  EXPECT_EQ(Main->ScoreScreen()->Image11->statusTip(), "Click to show everyone's scores");
  EXPECT_EQ(Main->ScoreScreen()->RadioButtonThisPlayer->toolTip(), "Show just your scores");
  EXPECT_EQ(Main->ScoreScreen()->Image1->statusTip(), "Click to show just your scores");
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->toolTip(), "Your name");
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->statusTip(), "Your name");
  EXPECT_EQ(Main->ScoreScreen()->Image2->toolTip(), "Show Matching");
  EXPECT_EQ(Main->ScoreScreen()->Image2->statusTip(),
            "Click to show scores just for games matching the current settings.");
  EXPECT_EQ(Main->ScoreScreen()->TrackBarMatchSpec->toolTip(), "<-- Match current / Show more -->");
  EXPECT_EQ(Main->ScoreScreen()->TrackBarMatchSpec->statusTip(), "Shows games matching the current New Game settings");
  EXPECT_EQ(Main->ScoreScreen()->Image3->toolTip(), "Show All");
  EXPECT_EQ(Main->ScoreScreen()->Image3->statusTip(), "Click to show scores for all game settings.");
}

TEST_F(ScoreScreen, MatchSliderRunsFromExactToAllAndStartsAtAll) {
  QSlider* slider = Main->ScoreScreen()->TrackBarMatchSpec;
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
  const std::vector<QWidget*> ordered{Main->ScoreScreen()->RadioButtonAllPlayers, Main->ScoreScreen()->RadioButtonThisPlayer,
                                      Main->ScoreScreen()->TrackBarMatchSpec};
  std::vector<QWidget*> met;
  QWidget* widget = Main->ScoreScreen()->RadioButtonAllPlayers;
  for (int step = 0; step < 500 && met.size() < ordered.size(); ++step) {
    if (std::find(ordered.begin(), ordered.end(), widget) != ordered.end() &&
        std::find(met.begin(), met.end(), widget) == met.end())
      met.push_back(widget);
    widget = widget->nextInFocusChain();
  }
  EXPECT_EQ(met, ordered);
  EXPECT_EQ(Main->ScoreScreen()->Image1->focusPolicy(), Qt::NoFocus);
}

TEST_F(ScoreScreen, StartsShowingEveryonesScores) {
  EXPECT_FALSE(Main->ShowPlayerOnly());
  EXPECT_TRUE(Main->ScoreScreen()->RadioButtonAllPlayers->isChecked());
  EXPECT_FALSE(Main->ScoreScreen()->RadioButtonThisPlayer->isChecked());
}

TEST_F(ScoreScreen, PeoplePicturesCheckTheirRadioButtons) {
  ClickWidget(Main->ScoreScreen()->Image1);
  EXPECT_TRUE(Main->ShowPlayerOnly());
  EXPECT_TRUE(Main->ScoreScreen()->RadioButtonThisPlayer->isChecked());
  EXPECT_FALSE(Main->ScoreScreen()->RadioButtonAllPlayers->isChecked());
  ClickWidget(Main->ScoreScreen()->Image11);
  EXPECT_FALSE(Main->ShowPlayerOnly());
  EXPECT_TRUE(Main->ScoreScreen()->RadioButtonAllPlayers->isChecked());
}

TEST_F(ScoreScreen, SetShowPlayerOnlyMirrorsTheRadioButtons) {
  Main->SetShowPlayerOnly(true);
  EXPECT_TRUE(Main->ScoreScreen()->RadioButtonThisPlayer->isChecked());
  EXPECT_FALSE(Main->ScoreScreen()->RadioButtonAllPlayers->isChecked());
  Main->SetShowPlayerOnly(false);
  EXPECT_TRUE(Main->ScoreScreen()->RadioButtonAllPlayers->isChecked());
  EXPECT_FALSE(Main->ScoreScreen()->RadioButtonThisPlayer->isChecked());
}

TEST_F(ScoreScreen, ClickingTheCheckedFilterAgainRepaintsNothing) {
  ClickWidget(Main->ScoreScreen()->Image1);
  ASSERT_TRUE(Main->ShowPlayerOnly());
  // Mark the canvas: a repaint would cover the mark with the button face.
  const_cast<QImage&>(Main->CanvasImage()).setPixel(1, 200, qRgb(255, 0, 0));
  ClickWidget(Main->ScoreScreen()->Image1);
  Main->ScoreScreen()->RadioButtonThisPlayer->click();
  EXPECT_TRUE(Main->ShowPlayerOnly());
  EXPECT_EQ(Main->CanvasImage().pixel(1, 200), qRgb(255, 0, 0));
  // Changing the filter repaints at once.
  ClickWidget(Main->ScoreScreen()->Image11);
  EXPECT_NE(Main->CanvasImage().pixel(1, 200), qRgb(255, 0, 0));
}

TEST_F(ScoreScreen, DiscPicturesMoveTheSliderToItsEnds) {
  ClickWidget(Main->ScoreScreen()->Image2);
  EXPECT_EQ(Main->ScoreScreen()->TrackBarMatchSpec->value(), 0);
  ClickWidget(Main->ScoreScreen()->Image3);
  EXPECT_EQ(Main->ScoreScreen()->TrackBarMatchSpec->value(), 75);
}

TEST_F(ScoreScreen, PlayerNameLabelShowsTheDialogsNameAsPlainText) {
  Dialog->SetCurrentName("<b>Zoë</b> & co");
  Repaint();
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->text(), "<b>Zoë</b> & co");
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->textFormat(), Qt::PlainText);
  EXPECT_TRUE(Main->ScoreScreen()->LabelPlayerName->font().bold());
  EXPECT_EQ(Main->ScoreScreen()->LabelPlayerName->font().pixelSize(), 27);
}

TEST_F(ScoreScreen, HeaderHidesOnTheGameScreen) {
  StartGameThroughDialog();
  EXPECT_FALSE(Main->ScoreScreen()->isVisible());
  Main->BtnPauseClick();
  EXPECT_TRUE(Main->ScoreScreen()->isVisible());
}
