#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include "gui_dialog/DialogHarness.h"

namespace {

QTreeWidgetItem* RowWithNumber(TPatternDlg& chooser, const QString& number) {
  for (int i = 0; i < chooser.ListViewPatterns->topLevelItemCount(); ++i)
    if (chooser.ListViewPatterns->topLevelItem(i)->text(0) == number)
      return chooser.ListViewPatterns->topLevelItem(i);
  return nullptr;
}

TEST(ChoosingAPattern, OkInTheChooserTakesItsNumberAndTexts) {
  TDialogHarness harness;
  harness.Dir.CopyShippedPatterns();
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetShapeRandom(false);
  harness.WhenShown([&](QDialog&) { dialog.btnChoosePattern->click(); });
  harness.WhenShown([&](QDialog&) {
    TPatternDlg& chooser = *harness.PatternDlg;
    QTreeWidgetItem* row = RowWithNumber(chooser, "101");
    ASSERT_NE(row, nullptr);
    chooser.ListViewPatterns->setCurrentItem(row);
    chooser.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_EQ(harness.Showings, 2);
  EXPECT_EQ(dialog.PatternID(), 101);
  EXPECT_EQ(dialog.LabelPatternName->text(), "Bricks");
  EXPECT_EQ(dialog.LabelPatternDesc->text(), "Horizontal dominoes, every other row shifted by one");
  EXPECT_EQ(dialog.BuildRecord().PatternID, 101);
}

TEST(ChoosingAPattern, CancelInTheChooserChangesNothing) {
  TDialogHarness harness;
  harness.Dir.CopyShippedPatterns();
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetShapeRandom(false);
  dialog.SetPatternID(101);
  harness.WhenShown([&](QDialog&) {
    TPatternDlg& chooser = *harness.PatternDlg;
    chooser.ListViewPatterns->setCurrentItem(chooser.ListViewPatterns->topLevelItem(3));
    chooser.CancelBtn->click();
  });
  dialog.btnChoosePatternClick();
  EXPECT_EQ(dialog.PatternID(), 101);
  EXPECT_EQ(dialog.LabelPatternName->text(), "Bricks");
}

TEST(ChoosingAPattern, OkWithNothingEverSelectedHandsOnMinusOne) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetShapeRandom(false);
  harness.WhenShown([&](QDialog&) { harness.PatternDlg->OKBtn->click(); });
  dialog.btnChoosePatternClick();
  EXPECT_EQ(dialog.PatternID(), -1);
  EXPECT_EQ(dialog.LabelPatternName->text(), "");
}

}  // namespace
