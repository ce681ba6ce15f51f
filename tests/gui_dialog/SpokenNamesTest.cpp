#include <gtest/gtest.h>
#include <QAccessible>
#include <QSlider>
#include <QTreeWidget>
#include "DialogHarness.h"
#include "about/ui/AboutBox.h"

// What a screen reader says of each control of the dialogs: every control
// that takes the keyboard has a name a listener understands, and a slider's
// name carries its value in words.

namespace {

QString SpokenName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

// The controls of a window that the keyboard can reach, and those among them
// that a reader would have to announce without a name.
QStringList Unnamed(QWidget& window) {
  QStringList unnamed;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&window)) continue;
    if (SpokenName(control).trimmed().isEmpty())
      unnamed << QString("%1 (%2)").arg(control->objectName(), control->metaObject()->className());
  }
  return unnamed;
}

}  // namespace

TEST(SpokenNames, EveryControlOfTheDialogsThatTakesTheKeysHasAName) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(Unnamed(dialog), QStringList()) << "compact";
  dialog.SetDlgCompact(false);
  dialog.SetTimedGame(true);
  dialog.SetShapeRandom(false);  // the pattern's button shows
  EXPECT_EQ(Unnamed(dialog), QStringList()) << "expanded";
  EXPECT_EQ(SpokenName(dialog.ButtonCompact), "Hide options");
  EXPECT_EQ(SpokenName(dialog.ButtonQuickStart[9]), "Quick setting 10");
  EXPECT_EQ(SpokenName(dialog.btnChoosePattern), "Select pattern");

  // The list's entries read as the rows show them, once they are shown.
  harness.Dir.CopyShippedPatterns();
  harness.WhenShown([](QDialog& shown) {
    auto& chooser = static_cast<TPatternDlg&>(shown);
    EXPECT_EQ(Unnamed(chooser), QStringList());
    QTreeWidget* list = chooser.ListViewPatterns;
    ASSERT_GT(list->topLevelItemCount(), 0);
    QAccessibleTableInterface* rows = QAccessible::queryAccessibleInterface(list)->tableInterface();
    ASSERT_TRUE(rows);
    for (int column = 0; column < 4; ++column) {
      QAccessibleInterface* cell = rows->cellAt(0, column);
      ASSERT_TRUE(cell);
      EXPECT_EQ(cell->text(QAccessible::Name), list->topLevelItem(0)->text(column));
    }
  });
  harness.PatternDlg->ShowModal();

  TAboutBox about;
  EXPECT_EQ(Unnamed(about), QStringList());
}

TEST(SpokenNames, ASlidersNameSaysItsValueInWords) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  const struct {
    QSlider* Slider;
    int Position;
    const char* Name;
  } sliders[] = {
      {dialog.TrackBarMinefieldSize, 5, "Minefield size, 34 by 23"},
      {dialog.TrackBarMinePopulation, 80, "Mines, 16.0%"},
      {dialog.TrackBarHoles, 25, "Holes, 5.0%"},
      {dialog.TrackBarCellSize, 35, "Shaped cells, 3.5"},
      {dialog.TrackBarLinking, 90, "Linked cells, 9.0"},
      {dialog.TrackBarTimedGame, 12, "Difficulty of a timed game, 12 of 20"},
  };
  for (const auto& slider : sliders) {
    slider.Slider->setValue(slider.Position);
    EXPECT_EQ(SpokenName(slider.Slider), slider.Name);
  }
  dialog.ButtonQuickStartClick(1);
  EXPECT_EQ(SpokenName(dialog.TrackBarMinefieldSize), "Minefield size, 9 by 9");
  EXPECT_EQ(SpokenName(dialog.TrackBarMinePopulation), "Mines, 8.0%");
}
