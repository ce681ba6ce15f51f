#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include "gui_dialog/DialogHarness.h"
#include "gui_dialog/RecordFiles.h"
#include "settings/Format.h"
#include "settings/SizeTable.h"
#include "ui/ClickablePicture.h"

namespace {

TEST(FormatTenths, WritesWholeTenthsWithOneDecimal) {
  EXPECT_EQ(FormatTenths(0), "0.0");
  EXPECT_EQ(FormatTenths(80), "8.0");
  EXPECT_EQ(FormatTenths(37), "3.7");
  EXPECT_EQ(FormatTenths(5), "0.5");
  EXPECT_EQ(FormatTenths(160), "16.0");
  EXPECT_EQ(FormatTenths(400), "40.0");
}

TEST(FormatTenths, KeepsTheSignOfDamagedNegativeValues) {
  EXPECT_EQ(FormatTenths(-5), "-0.5");
  EXPECT_EQ(FormatTenths(-37), "-3.7");
  EXPECT_EQ(FormatTenths(INT64_MIN), "-922337203685477580.8");
}

TEST(SizeTable, GivesEveryRowOfTheSizeSlider) {
  const int columns[] = {7, 9, 11, 15, 19, 34, 42, 51, 58, 69, 78, 88, 99, 111, 121, 135, 147};
  const int rows[] = {7, 9, 11, 15, 19, 23, 28, 34, 39, 46, 52, 59, 66, 74, 81, 90, 98};
  for (int p = 0; p <= 16; ++p) {
    EXPECT_EQ(SizeAtPosition(p).Columns, columns[p]) << p;
    EXPECT_EQ(SizeAtPosition(p).Rows, rows[p]) << p;
    EXPECT_EQ(PositionForColumns(columns[p]), p);
  }
  EXPECT_EQ(PositionForColumns(12), 2);
  EXPECT_EQ(PositionForColumns(0), 2);
  EXPECT_EQ(PositionForColumns(-7), 2);
  EXPECT_EQ(SizeAtPosition(99).Columns, 147);
}

TEST(SizeSlider, MovingFromFourToFiveTurnsTheFieldThreeToTwo) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarMinefieldSize->setValue(4);
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "19 x 19");
  dialog.TrackBarMinefieldSize->setValue(5);
  EXPECT_EQ(dialog.SizeX(), 34);
  EXPECT_EQ(dialog.SizeY(), 23);
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "34 x 23");
}

TEST(SizeSlider, SizeSettersMoveNoSliderAndCheckNoRange) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetSizeX(500);
  dialog.SetSizeY(-3);
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "500 x -3");
  EXPECT_EQ(dialog.TrackBarMinefieldSize->value(), 3);
}

TEST(ValueSetters, HoldValuesBeyondTheSliderAndShowThemInTheLabel) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetMinePopulation(300);
  EXPECT_EQ(dialog.MinePopulation(), 300);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "60.0%");
  EXPECT_EQ(dialog.TrackBarMinePopulation->value(), 200);
  dialog.SetHoles(100);
  EXPECT_EQ(dialog.LabelHoles->text(), "20.0%");
  dialog.SetLinking(37);
  EXPECT_EQ(dialog.LabelLinking->text(), "3.7");
  dialog.SetCellSize(95);
  EXPECT_EQ(dialog.CellSize(), 95);
  EXPECT_EQ(dialog.TrackBarCellSize->value(), 90);
  EXPECT_EQ(dialog.LabelCellSize->text(), "9.5");
}

TEST(ValueSetters, SliderMovesActAsThePlayerMovingThem) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarMinePopulation->setValue(200);
  EXPECT_EQ(dialog.MinePopulation(), 200);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "40.0%");
  dialog.TrackBarMinePopulation->setValue(0);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "0.0%");
  dialog.TrackBarHoles->setValue(3);
  EXPECT_EQ(dialog.LabelHoles->text(), "0.6%");
  dialog.TrackBarCellSize->setValue(90);
  EXPECT_EQ(dialog.LabelCellSize->text(), "9.0");
}

TEST(GameSpeed, FollowsTheSliderAndEndsClampedWhenSetBeyondIt) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarTimedGame->setValue(12);
  EXPECT_EQ(dialog.GameSpeed(), 12);
  // The slider clamps and reports its own position back to the setter.
  dialog.SetGameSpeed(30);
  EXPECT_EQ(dialog.GameSpeed(), 20);
  EXPECT_EQ(dialog.TrackBarTimedGame->value(), 20);
}

TEST(GameType, FollowsTheLinkingAndShapedCellSliders) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarCellSize->setValue(20);
  EXPECT_EQ(dialog.GameType(), 1);
  dialog.TrackBarLinking->setValue(30);
  EXPECT_EQ(dialog.GameType(), 3);
  dialog.TrackBarCellSize->setValue(10);
  EXPECT_EQ(dialog.GameType(), 2);
  dialog.TrackBarLinking->setValue(0);
  EXPECT_EQ(dialog.GameType(), 0);
}

TEST(GameType, SetFromOutsideResetsTheFeaturesItExcludes) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarCellSize->setValue(20);
  dialog.TrackBarLinking->setValue(30);
  ASSERT_EQ(dialog.GameType(), 3);
  dialog.SetGameType(0);
  EXPECT_EQ(dialog.GameType(), 0);
  EXPECT_EQ(dialog.Linking(), 0);
  EXPECT_EQ(dialog.CellSize(), 10);
  EXPECT_EQ(dialog.LabelLinking->text(), "0.0");
  EXPECT_EQ(dialog.LabelCellSize->text(), "1.0");

  dialog.TrackBarCellSize->setValue(20);
  dialog.TrackBarLinking->setValue(30);
  dialog.SetGameType(1);
  EXPECT_EQ(dialog.Linking(), 0);
  EXPECT_EQ(dialog.CellSize(), 20);
  EXPECT_EQ(dialog.GameType(), 1);

  dialog.TrackBarLinking->setValue(30);
  dialog.SetGameType(2);
  EXPECT_EQ(dialog.CellSize(), 10);
  EXPECT_EQ(dialog.Linking(), 30);
  EXPECT_EQ(dialog.GameType(), 2);
}

TEST(GameType, LinkingSetDirectlyBeyondTheSliderStillUpdatesTheType) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetLinking(300);
  EXPECT_EQ(dialog.Linking(), 300);
  EXPECT_EQ(dialog.LabelLinking->text(), "30.0");
  EXPECT_EQ(dialog.TrackBarLinking->value(), 90);
  EXPECT_EQ(dialog.GameType(), 2);
}

TEST(NoFeaturePictures, SetTheirFeatureToItsLeastValue) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarLinking->setValue(45);
  dialog.TrackBarCellSize->setValue(55);
  dialog.TrackBarHoles->setValue(40);
  dialog.findChild<TClickablePicture*>("ImageLinkLo")->Click();
  EXPECT_EQ(dialog.Linking(), 0);
  EXPECT_EQ(dialog.GameType(), 1);
  dialog.findChild<TClickablePicture*>("ImageCellSizeLow")->Click();
  EXPECT_EQ(dialog.CellSize(), 10);
  EXPECT_EQ(dialog.GameType(), 0);
  dialog.findChild<TClickablePicture*>("Image9")->Click();
  EXPECT_EQ(dialog.Holes(), 0);
  EXPECT_EQ(dialog.LabelHoles->text(), "0.0%");
}

TEST(NoFeaturePictures, NoLinksPictureChangesNothingWhenLinkingIsOff) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarCellSize->setValue(30);
  const TGameRecord before = dialog.BuildRecord();
  dialog.findChild<TClickablePicture*>("ImageLinkLo")->Click();
  EXPECT_EQ(dialog.BuildRecord(), before);
  EXPECT_EQ(dialog.GameType(), 1);
}

TEST(NoFeaturePictures, AnswerARealMouseClick) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetDlgCompact(false);
  dialog.TrackBarHoles->setValue(40);
  harness.WhenShown([&](QDialog&) { ClickWithMouse(dialog.findChild<QWidget*>("Image9")); });
  dialog.ShowModal();
  EXPECT_EQ(dialog.Holes(), 0);
}

TEST(TimedGame, UntickingHidesTheSliderButKeepsTheSpeed) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.CheckBoxTimedGame->setChecked(true);
  EXPECT_TRUE(dialog.TimedGame());
  EXPECT_FALSE(dialog.TrackBarTimedGame->isHidden());
  EXPECT_TRUE(dialog.TrackBarTimedGame->isEnabled());
  dialog.TrackBarTimedGame->setValue(15);
  dialog.CheckBoxTimedGame->setChecked(false);
  EXPECT_FALSE(dialog.TimedGame());
  EXPECT_TRUE(dialog.TrackBarTimedGame->isHidden());
  EXPECT_TRUE(dialog.findChild<QWidget*>("ImageTimedSlow")->isHidden());
  EXPECT_TRUE(dialog.findChild<QWidget*>("ImageTimedFast")->isHidden());
  EXPECT_FALSE(dialog.findChild<QWidget*>("ImageTimed")->isHidden());
  EXPECT_EQ(dialog.GameSpeed(), 15);
  dialog.findChild<TClickablePicture*>("ImageTimed")->Click();
  EXPECT_TRUE(dialog.TimedGame());
  EXPECT_TRUE(dialog.CheckBoxTimedGame->isChecked());
  EXPECT_EQ(dialog.TrackBarTimedGame->value(), 15);
  EXPECT_EQ(dialog.GameSpeed(), 15);
}

TEST(Shapes, PatternModeHidesTheShapedCellControlsButKeepsCellSize) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarCellSize->setValue(40);
  dialog.findChild<TClickablePicture*>("ImagePattern")->Click();
  EXPECT_FALSE(dialog.ShapeRandom());
  EXPECT_TRUE(dialog.RadioShapePattern->isChecked());
  EXPECT_FALSE(dialog.RadioShapeRandom->isChecked());
  EXPECT_TRUE(dialog.TrackBarCellSize->isHidden());
  EXPECT_TRUE(dialog.LabelCellSize->isHidden());
  EXPECT_TRUE(dialog.findChild<QWidget*>("ImageCellSizeLow")->isHidden());
  EXPECT_TRUE(dialog.findChild<QWidget*>("ImageCellSizeHi")->isHidden());
  EXPECT_FALSE(dialog.LabelPatternName->isHidden());
  EXPECT_FALSE(dialog.LabelPatternDesc->isHidden());
  EXPECT_FALSE(dialog.btnChoosePattern->isHidden());
  EXPECT_EQ(dialog.CellSize(), 40);
  const TGameRecord record = dialog.BuildRecord();
  EXPECT_EQ(record.PatternFlag, 1);
  EXPECT_EQ(record.CellSize, 40);
  EXPECT_EQ(record.PatternID, 0);

  dialog.findChild<TClickablePicture*>("ImageRandom")->Click();
  EXPECT_TRUE(dialog.ShapeRandom());
  EXPECT_FALSE(dialog.TrackBarCellSize->isHidden());
  EXPECT_TRUE(dialog.btnChoosePattern->isHidden());
  EXPECT_TRUE(dialog.LabelPatternName->isHidden());
}

TEST(Shapes, SetterFromCodeChecksExactlyOneRadioButton) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetShapeRandom(false);
  EXPECT_FALSE(dialog.RadioShapeRandom->isChecked());
  EXPECT_TRUE(dialog.RadioShapePattern->isChecked());
  dialog.SetShapeRandom(true);
  EXPECT_TRUE(dialog.RadioShapeRandom->isChecked());
  EXPECT_FALSE(dialog.RadioShapePattern->isChecked());
}

TEST(Shapes, RegularShapesWithoutAChoiceShowEmptyLabelsUnlessAPatternHasTheNumber) {
  TDialogHarness harness;
  harness.Dir.CopyShippedPatterns();
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetShapeRandom(false);
  EXPECT_EQ(dialog.PatternID(), 0);
  EXPECT_EQ(dialog.LabelPatternName->text(), "");
  EXPECT_EQ(dialog.LabelPatternDesc->text(), "");
  dialog.SetPatternID(101);
  EXPECT_EQ(dialog.LabelPatternName->text(), "Bricks");
  EXPECT_EQ(dialog.LabelPatternDesc->text(), "Horizontal dominoes, every other row shifted by one");
  dialog.SetPatternID(987654);
  EXPECT_EQ(dialog.PatternID(), 987654);
  EXPECT_EQ(dialog.LabelPatternName->text(), "");
  EXPECT_EQ(dialog.LabelPatternDesc->text(), "");
}

struct TQuickExpectation {
  int MinePopulation;
  const char* MineLabel;
  int Holes;
  const char* HolesLabel;
  int SizeX, SizeY;
  int Linking, CellSize, GameType;
};

TEST(QuickSettings, EachLevelGivesItsTableRow) {
  const TQuickExpectation table[10] = {
      {40, "8.0%", 0, "0.0%", 9, 9, 0, 10, 0},      {65, "13.0%", 0, "0.0%", 11, 11, 0, 10, 0},
      {80, "16.0%", 10, "2.0%", 15, 15, 0, 10, 0},  {55, "11.0%", 0, "0.0%", 15, 15, 0, 20, 1},
      {75, "15.0%", 3, "0.6%", 34, 23, 0, 50, 1},   {75, "15.0%", 3, "0.6%", 34, 23, 10, 50, 3},
      {60, "12.0%", 3, "0.6%", 34, 23, 30, 20, 3},  {65, "13.0%", 3, "0.6%", 34, 23, 30, 40, 3},
      {70, "14.0%", 3, "0.6%", 42, 28, 37, 60, 3},  {80, "16.0%", 5, "1.0%", 58, 39, 50, 60, 3},
  };
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  // Start from something far from every level, in pattern mode.
  dialog.TrackBarMinefieldSize->setValue(16);
  dialog.TrackBarLinking->setValue(90);
  dialog.TrackBarCellSize->setValue(90);
  dialog.SetShapeRandom(false);
  dialog.CheckBoxTimedGame->setChecked(true);
  dialog.TrackBarTimedGame->setValue(13);
  dialog.SetPatternID(42);
  dialog.SetCurrentName("Quinn");
  dialog.ComboLinkPattern->setCurrentIndex(2);
  for (int level = 10; level >= 1; --level) {
    SCOPED_TRACE(level);
    const TQuickExpectation& want = table[level - 1];
    dialog.ButtonQuickStart[level - 1]->click();
    EXPECT_EQ(dialog.MinePopulation(), want.MinePopulation);
    EXPECT_EQ(dialog.LabelMinePopulation->text(), want.MineLabel);
    EXPECT_EQ(dialog.Holes(), want.Holes);
    EXPECT_EQ(dialog.LabelHoles->text(), want.HolesLabel);
    EXPECT_EQ(dialog.SizeX(), want.SizeX);
    EXPECT_EQ(dialog.SizeY(), want.SizeY);
    EXPECT_EQ(dialog.Linking(), want.Linking);
    EXPECT_EQ(dialog.CellSize(), want.CellSize);
    EXPECT_EQ(dialog.GameType(), want.GameType);
    EXPECT_TRUE(dialog.ShapeRandom());
    EXPECT_EQ(dialog.ComboLinkPattern->currentIndex(), 0);
    EXPECT_TRUE(dialog.TimedGame());
    EXPECT_EQ(dialog.GameSpeed(), 13);
    EXPECT_EQ(dialog.PatternID(), 42);
    EXPECT_EQ(dialog.CurrentName(), "Quinn");
    EXPECT_TRUE(dialog.DlgCompact());
    dialog.ComboLinkPattern->setCurrentIndex(3);
  }
}

TEST(QuickSettings, LevelTwoWithTheSliderAlreadyThereKeepsTheSize) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarMinefieldSize->setValue(2);
  dialog.SetSizeX(12);
  dialog.SetSizeY(12);
  dialog.ButtonQuickStart[1]->click();
  EXPECT_EQ(dialog.SizeX(), 12);
  EXPECT_EQ(dialog.SizeY(), 12);
  EXPECT_EQ(dialog.MinePopulation(), 65);
}

}  // namespace
