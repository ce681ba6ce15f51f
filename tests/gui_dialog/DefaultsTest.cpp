#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include "gui_dialog/DialogHarness.h"

namespace {

TEST(NewGameDialogFirstRun, ShowsTheStandardSettingsInCompactMode) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.SizeX(), 15);
  EXPECT_EQ(dialog.SizeY(), 15);
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "15 x 15");
  EXPECT_EQ(dialog.TrackBarMinefieldSize->value(), 3);
  EXPECT_EQ(dialog.MinePopulation(), 80);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "16.0%");
  EXPECT_EQ(dialog.Holes(), 10);
  EXPECT_EQ(dialog.LabelHoles->text(), "2.0%");
  EXPECT_TRUE(dialog.ShapeRandom());
  EXPECT_TRUE(dialog.RadioShapeRandom->isChecked());
  EXPECT_FALSE(dialog.RadioShapePattern->isChecked());
  EXPECT_EQ(dialog.CellSize(), 10);
  EXPECT_EQ(dialog.LabelCellSize->text(), "1.0");
  EXPECT_EQ(dialog.Linking(), 0);
  EXPECT_EQ(dialog.LabelLinking->text(), "0.0");
  EXPECT_FALSE(dialog.TimedGame());
  EXPECT_EQ(dialog.GameSpeed(), 7);
  EXPECT_EQ(dialog.TrackBarTimedGame->value(), 7);
  EXPECT_TRUE(dialog.TrackBarTimedGame->isHidden());
  EXPECT_FALSE(dialog.TrackBarTimedGame->isEnabled());
  EXPECT_EQ(dialog.GameType(), 0);
  EXPECT_TRUE(dialog.DlgCompact());
  EXPECT_EQ(dialog.PatternID(), 0);
  EXPECT_EQ(dialog.ComboLinkPattern->currentIndex(), 0);
  EXPECT_FALSE(dialog.ComboLinkPattern->isEnabled());
}

TEST(NewGameDialogFirstRun, OffersTheNamePromptWithAnEmptyList) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "Remember me");
  EXPECT_EQ(dialog.ComboBoxName->count(), 0);
  EXPECT_EQ(dialog.CurrentName(), "");
}

TEST(NewGameDialogFirstRun, TakesTheThresholdsFromTheSliders) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.HolesThreshold(), 0);
  EXPECT_EQ(dialog.ShapeThreshold(), 10);
  EXPECT_EQ(dialog.LinkThreshold(), 0);
}

TEST(NewGameDialogFirstRun, NoValueLabelKeepsItsPlaceholder) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  for (QLabel* label : {dialog.LabelMinefieldSize, dialog.LabelMinePopulation, dialog.LabelHoles,
                        dialog.LabelCellSize, dialog.LabelLinking}) {
    EXPECT_NE(label->text(), "x") << label->objectName().toStdString();
    EXPECT_NE(label->text(), "111 x 11") << label->objectName().toStdString();
  }
}

struct TSliderSpec {
  const char* Name;
  QSlider* TDlgNewGame::*Slider;
  int Least, Greatest, LineStep, PageStep, TickEvery;
};

TEST(NewGameDialogControls, SlidersHaveTheirRangesStepsAndTicks) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  const TSliderSpec specs[] = {
      {"size", &TDlgNewGame::TrackBarMinefieldSize, 0, 16, 1, 1, 16},
      {"mines", &TDlgNewGame::TrackBarMinePopulation, 0, 200, 1, 10, 50},
      {"linking", &TDlgNewGame::TrackBarLinking, 0, 90, 5, 20, 25},
      {"cells", &TDlgNewGame::TrackBarCellSize, 10, 90, 5, 20, 22},
      {"holes", &TDlgNewGame::TrackBarHoles, 0, 100, 5, 20, 25},
      {"timed", &TDlgNewGame::TrackBarTimedGame, 0, 20, 1, 10, 10},
  };
  for (const TSliderSpec& expected : specs) {
    SCOPED_TRACE(expected.Name);
    const QSlider* slider = dialog.*expected.Slider;
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider->minimum(), expected.Least);
    EXPECT_EQ(slider->maximum(), expected.Greatest);
    EXPECT_EQ(slider->singleStep(), expected.LineStep);
    EXPECT_EQ(slider->pageStep(), expected.PageStep);
    EXPECT_EQ(slider->tickInterval(), expected.TickEvery);
    EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(slider->width(), 90);
  }
}

TEST(NewGameDialogControls, WindowCaptionsAndFontAreTheGamesOwn) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.windowTitle(), "New Game");
  EXPECT_EQ(dialog.width(), 240);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());  // a fixed border
  EXPECT_EQ(dialog.font().family(), "Tahoma");
  EXPECT_EQ(dialog.font().pointSize(), 8);
  EXPECT_EQ(dialog.findChild<QGroupBox*>("GroupGame")->title(), " &Game ");
  EXPECT_EQ(dialog.findChild<QGroupBox*>("GroupQuick")->title(), " Quick Settings ");
  EXPECT_EQ(dialog.GroupCustom->title(), " Custom Game ");
  EXPECT_EQ(dialog.findChild<QLabel*>("LabelPlayerName")->text(), "Player &Name");
  EXPECT_EQ(dialog.btnChoosePattern->text(), "...");
  EXPECT_EQ(dialog.OKBtn->text(), "OK");
  EXPECT_TRUE(dialog.OKBtn->isDefault());
  EXPECT_EQ(dialog.CancelBtn->text(), "Cancel");
  for (int i = 0; i < 9; ++i) EXPECT_EQ(dialog.ButtonQuickStart[i]->text(), QString("&%1").arg(i + 1));
  EXPECT_EQ(dialog.ButtonQuickStart[9]->text(), "1&0");
  const QStringList linkItems = {"Random linking", "Linked Halves", "Linked Thirds", "Linked Quarters"};
  ASSERT_EQ(dialog.ComboLinkPattern->count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(dialog.ComboLinkPattern->itemText(i), linkItems[i]);
}

TEST(NewGameDialogControls, NameBoxIsEditableUnsortedAndDoesNotComplete) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_TRUE(dialog.ComboBoxName->isEditable());
  EXPECT_EQ(dialog.ComboBoxName->width(), 140);
  EXPECT_EQ(dialog.ComboBoxName->insertPolicy(), QComboBox::NoInsert);
  EXPECT_EQ(dialog.ComboBoxName->completer(), nullptr);
}

struct THintSpec {
  const char* Name;
  const char* ToolTip;
  const char* StatusTip;
};

TEST(NewGameDialogControls, EveryControlCarriesItsHint) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  const char* nameLong = "Enter your name here. Names from previous games will appear here.";
  const char* timedLong = "Activate for a timed game. Timed Game: The game ends when time runs out.";
  const char* quick = "Select a level here. High numbers are more difficult.";
  const THintSpec specs[] = {
      {"LabelPlayerName", "Enter your name here", nameLong},
      {"ComboBoxName", "Enter your name here", nameLong},
      {"CheckBoxTimedGame", "Timed Game?", timedLong},
      {"ImageTimed", "Timed Game?", timedLong},
      {"TrackBarTimedGame", "<-- Allows more time / Allows less time -->", "Set the difficulty of a timed game"},
      {"GroupQuick", quick, quick},
      {"ButtonQuickStart1", "Beginner", "Discover how the Standard Game works."},
      {"GroupCustom", "", "Change the game options"},
      {"TrackBarMinefieldSize", "<-- Smaller minefield / Larger minefield -->", "Change the size of the minefield"},
      {"TrackBarMinePopulation", "<-- Less mines / More mines -->", "Change the number of mines in the minefield"},
      {"ImageLinkLo", "Click the image for  'No linked mines'", "Click the image for  'No linked mines'"},
      {"TrackBarLinking", "<-- Less linked cells / More linked cells -->", "Change the number of cells that are linked"},
      {"RadioShapeRandom", "Random shapes", "Random shapes"},
      {"ImageRandom", "Random shapes", "Random shapes"},
      {"RadioShapePattern", "Regular shapes", "Click the '...' button to select a pattern."},
      {"ImagePattern", "Regular shapes", "Click the '...' button to select a pattern."},
      {"btnChoosePattern", "Select Pattern...", "Select Pattern..."},
      {"ImageCellSizeLow", "Click the image for  'No shaped cells'", "Click the image for  'No shaped cells'"},
      {"TrackBarCellSize", "<-- Less shaped cells / More shaped cells -->", "Change the number of shaped cells"},
      {"Image9", "Click the image for  'No holes'", "Click the image for  'No holes'"},
      {"TrackBarHoles", "<-- Less holes / More holes -->", "Change the number of holes in the minefield"},
      {"ButtonCompact", "More options", "Click to show more game options"},
  };
  for (const THintSpec& expected : specs) {
    SCOPED_TRACE(expected.Name);
    const QWidget* widget = dialog.findChild<QWidget*>(expected.Name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->toolTip(), expected.ToolTip);
    EXPECT_EQ(widget->statusTip(), expected.StatusTip);
  }
  for (int i = 1; i < 10; ++i) EXPECT_TRUE(dialog.ButtonQuickStart[i]->toolTip().isEmpty());
}

TEST(NewGameDialogControls, NameLabelAndQuickButtonsHaveTheirShortcuts) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.findChild<QLabel*>("LabelPlayerName")->buddy(), dialog.ComboBoxName);
  int pressed = 0;
  harness.WhenShown([&](QDialog& shown) {
    QTest::keyClick(&shown, Qt::Key_0, Qt::AltModifier);
    pressed = dialog.SizeX();
  });
  dialog.ShowModal();
  EXPECT_EQ(pressed, 58);  // Alt+0 is quick setting 10: 58 x 39
}

}  // namespace
