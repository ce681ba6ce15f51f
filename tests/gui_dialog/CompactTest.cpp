#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <QGroupBox>
#include <QToolButton>
#include <QVBoxLayout>
#include "gui_dialog/DialogHarness.h"

namespace {

// The shown rows of the custom group, top to bottom.
QStringList ShownRows(const TDlgNewGame& dialog) {
  std::vector<QWidget*> rows;
  for (QWidget* row : dialog.GroupCustom->findChildren<QWidget*>(QRegularExpression("^Row"),
                                                                  Qt::FindDirectChildrenOnly))
    if (!row->isHidden()) rows.push_back(row);
  std::sort(rows.begin(), rows.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
  QStringList names;
  for (QWidget* row : rows) names << row->objectName();
  return names;
}

void Lay(TDlgNewGame& dialog) {
  dialog.GroupCustom->layout()->activate();
}

TEST(CompactMode, CompactShowsOnlyTheSizeRow) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  Lay(dialog);
  EXPECT_EQ(dialog.height(), 272);
  EXPECT_EQ(dialog.GroupCustom->height(), 61);
  EXPECT_EQ(ShownRows(dialog), QStringList({"RowSize"}));
  EXPECT_EQ(dialog.ButtonCompact->size(), QSize(18, 18));
  EXPECT_EQ(dialog.ButtonCompact->toolTip(), "More options");
  EXPECT_TRUE(dialog.OKBtn->mapTo(&dialog, QPoint(0, dialog.OKBtn->height())).y() <= 272);
}

TEST(CompactMode, ExpandingListsTheRowsInTheirOrderAndTwicePressedGivesTheSameLayout) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.ButtonCompact->click();
  Lay(dialog);
  EXPECT_FALSE(dialog.DlgCompact());
  EXPECT_EQ(dialog.height(), 452);
  EXPECT_EQ(dialog.GroupCustom->height(), 241);
  EXPECT_EQ(dialog.ButtonCompact->toolTip(), "Hide options");
  EXPECT_EQ(dialog.ButtonCompact->statusTip(), "Click to hide advanced game options");
  const QStringList expanded = {"RowSize", "RowMinePopulation", "RowHoles", "RowShapes", "RowLinking"};
  EXPECT_EQ(ShownRows(dialog), expanded);
  std::vector<QRect> firstLayout;
  for (QWidget* row : dialog.GroupCustom->findChildren<QWidget*>()) firstLayout.push_back(row->geometry());
  // Every row lies within the group.
  for (QWidget* row : dialog.GroupCustom->findChildren<QWidget*>(QRegularExpression("^Row")))
    EXPECT_LE(row->geometry().bottom(), dialog.GroupCustom->height()) << row->objectName().toStdString();

  dialog.ButtonCompact->click();
  Lay(dialog);
  EXPECT_TRUE(dialog.DlgCompact());
  EXPECT_EQ(dialog.height(), 272);
  EXPECT_EQ(ShownRows(dialog), QStringList({"RowSize"}));
  EXPECT_EQ(dialog.ButtonCompact->statusTip(), "Click to show more game options");

  dialog.ButtonCompact->click();
  Lay(dialog);
  EXPECT_EQ(ShownRows(dialog), expanded);
  std::vector<QRect> secondLayout;
  for (QWidget* row : dialog.GroupCustom->findChildren<QWidget*>()) secondLayout.push_back(row->geometry());
  EXPECT_EQ(firstLayout, secondLayout);
}

TEST(CompactMode, ModeSurvivesAShowingButNotANewRun) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) {
    dialog.ButtonCompact->click();
    dialog.OKBtn->click();
  });
  ASSERT_EQ(dialog.ShowModal(), QDialog::Accepted);
  dialog.ShowModal();
  EXPECT_FALSE(dialog.DlgCompact());
  EXPECT_EQ(dialog.height(), 452);
  TDlgNewGame second(harness.Seams);
  EXPECT_TRUE(second.DlgCompact());
}

}  // namespace
