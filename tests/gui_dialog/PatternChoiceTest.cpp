#include <gtest/gtest.h>
#include <QImage>
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

// Whether a row of the picture holds anything but the background colour.
bool RowIsDrawnOn(const QImage& image, int y) {
  const QRgb background = image.pixel(0, y);
  for (int x = 0; x < image.width(); ++x)
    if (qGray(image.pixel(x, y)) < qGray(background) - 60) return true;
  return false;
}

TEST(ChoosingAPattern, ADescriptionTooLongForItsLinesShowsNoLineCutInHalf) {
  TDialogHarness harness;
  harness.Dir.CopyShippedPatterns();
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetDlgCompact(false);
  dialog.SetShapeRandom(false);
  dialog.SetPatternID(105);  // "Large and small squares in a turning lattice, ..."
  EXPECT_EQ(dialog.LabelPatternDesc->text(),
            "Large and small squares in a turning lattice, each small square framed by four large ones");
  dialog.LabelPatternDesc->setText(dialog.LabelPatternDesc->text().repeated(3));
  const QImage picture = dialog.LabelPatternDesc->grab().toImage();
  int drawnRows = 0;
  for (int y = 0; y < picture.height(); ++y) drawnRows += RowIsDrawnOn(picture, y) ? 1 : 0;
  EXPECT_GT(drawnRows, 0);
  EXPECT_FALSE(RowIsDrawnOn(picture, 0));
  EXPECT_FALSE(RowIsDrawnOn(picture, picture.height() - 1));
}

}  // namespace
