#include <gtest/gtest.h>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include "gui_dialog/DialogHarness.h"

namespace {

// A pattern file of the library's format with just the texts that show.
void WritePattern(const TTempWorkDir& dir, const QString& file, const QByteArray& number,
                  const QByteArray& name, const QByteArray& description = "A test pattern") {
  QDir(dir.Path()).mkpath("Patterns");
  WriteWholeFile(dir.File("Patterns/" + file),
                 number + "\r\nTest bench\r\n" + name + "\r\n" + description +
                     "\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n0\r\n");
}

struct TChooserHarness : TDialogHarness {
  TChooserHarness() { CreateDialog(); }
  TPatternDlg& Chooser() { return *PatternDlg; }
  QTreeWidget& List() { return *PatternDlg->ListViewPatterns; }
  QTreeWidgetItem* Row(int i) { return List().topLevelItem(i); }
  int FindRow(const QString& name) {
    for (int i = 0; i < List().topLevelItemCount(); ++i)
      if (Row(i)->text(1) == name) return i;
    return -1;
  }
};

TEST(PatternChooserWindow, HasItsCaptionSizeColumnsAndListStyle) {
  TChooserHarness harness;
  TPatternDlg& chooser = harness.Chooser();
  EXPECT_EQ(chooser.windowTitle(), "Choose Pattern");
  EXPECT_EQ(chooser.size(), QSize(630, 299));
  EXPECT_EQ(chooser.font().family(), "Tahoma");
  EXPECT_EQ(chooser.SelectedRegNo, -1);
  EXPECT_EQ(chooser.ChosenPattern->RegNo, 0);
  EXPECT_EQ(chooser.ChosenPattern->Name, "");
  EXPECT_EQ(chooser.ChosenPattern->Author, "");
  QTreeWidget& list = harness.List();
  ASSERT_EQ(list.columnCount(), 4);
  const QStringList heads = {"Reg No", "Name", "Author", "Description"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.headerItem()->text(i), heads[i]);
  EXPECT_EQ(list.frameShape(), QFrame::NoFrame);
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_FALSE(list.header()->sectionsClickable());
  EXPECT_TRUE(chooser.OKBtn->isDefault());
  EXPECT_EQ(list.header()->sectionSize(1), 100);
  EXPECT_EQ(list.header()->sectionSize(2), 100);
}

TEST(PatternChooserWindow, ColumnsKeepTheirLeastAndGreatestWidths) {
  TChooserHarness harness;
  TPatternDlg& chooser = harness.Chooser();
  chooser.FormShow();
  QHeaderView* header = harness.List().header();
  EXPECT_EQ(header->sectionSize(0), 65);  // 120 asked at every showing, 65 at most
  header->resizeSection(0, 10);
  EXPECT_EQ(header->sectionSize(0), 47);
  header->resizeSection(0, 60);
  EXPECT_EQ(header->sectionSize(0), 60);
  header->resizeSection(1, 30);
  EXPECT_EQ(header->sectionSize(1), 100);
  header->resizeSection(2, 400);
  EXPECT_EQ(header->sectionSize(2), 400);
  header->resizeSection(2, 99);
  EXPECT_EQ(header->sectionSize(2), 100);
}

TEST(PatternChooserWindow, OkAndCancelStayAtTheRightEdge) {
  TChooserHarness harness;
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) {
    chooser.resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(chooser.width() - (chooser.CancelBtn->x() + chooser.CancelBtn->width()), 8);
    EXPECT_LT(chooser.OKBtn->x(), chooser.CancelBtn->x());
    EXPECT_EQ(chooser.ListViewPatterns->width(), 900);
  });
  chooser.ShowModal();
}

TEST(PatternList, ShowsTheLibraryInItsEnumerationOrder) {
  TChooserHarness harness;
  harness.Dir.CopyShippedPatterns();
  harness.Chooser().FormShow();
  const std::vector<std::string> files = ListPatternFiles();
  ASSERT_EQ(harness.List().topLevelItemCount(), int(files.size()));
  ASSERT_GE(files.size(), 1u);
  for (int i = 0; i < int(files.size()); ++i) {
    TTess pattern;
    ReadPattern(files[i], pattern);
    EXPECT_EQ(harness.Row(i)->text(0), QString::number(pattern.RegNo));
    EXPECT_EQ(harness.Row(i)->text(1).toStdString(), pattern.Name);
    EXPECT_EQ(harness.Row(i)->text(2).toStdString(), pattern.Author);
    EXPECT_EQ(harness.Row(i)->text(3).toStdString(), pattern.Description);
  }
}

TEST(PatternList, IsRebuiltAtEveryShowing) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "1.tes", "1", "One");
  harness.Chooser().ShowModal();
  EXPECT_EQ(harness.List().topLevelItemCount(), 1);
  WritePattern(harness.Dir, "2.tes", "2", "Two");
  harness.Chooser().ShowModal();
  EXPECT_EQ(harness.List().topLevelItemCount(), 2);
  QFile::remove(harness.Dir.File("Patterns/1.tes"));
  QFile::remove(harness.Dir.File("Patterns/2.tes"));
  harness.Chooser().ShowModal();
  EXPECT_EQ(harness.List().topLevelItemCount(), 0);
}

TEST(PatternSelection, OkLooksUpTheSelectedNumber) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "5.tes", "5", "Five", "Fifth");
  WritePattern(harness.Dir, "6.tes", "6", "Six", "Sixth");
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) {
    harness.List().setCurrentItem(harness.Row(harness.FindRow("Six")));
    EXPECT_EQ(chooser.SelectedRegNo, 6);
    chooser.OKBtn->click();
  });
  EXPECT_EQ(chooser.ShowModal(), QDialog::Accepted);
  EXPECT_EQ(chooser.ChosenPattern->RegNo, 6);
  EXPECT_EQ(chooser.ChosenPattern->Name, "Six");
  EXPECT_EQ(chooser.ChosenPattern->Description, "Sixth");
  EXPECT_EQ(chooser.property("SelectedRegNo").toInt(), 6);
}

TEST(PatternSelection, AnEmptyOrMissingLibraryHandsOnMinusOneThenTheEarlierChoice) {
  TChooserHarness harness;
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) { chooser.OKBtn->click(); });
  EXPECT_EQ(chooser.ShowModal(), QDialog::Accepted);
  EXPECT_EQ(harness.List().topLevelItemCount(), 0);
  EXPECT_EQ(chooser.SelectedRegNo, -1);
  EXPECT_EQ(chooser.ChosenPattern->RegNo, 0);

  QDir(harness.Dir.Path()).mkdir("Patterns");
  chooser.FormShow();
  EXPECT_EQ(harness.List().topLevelItemCount(), 0);

  WritePattern(harness.Dir, "8.tes", "8", "Eight");
  harness.WhenShown([&](QDialog&) {
    harness.List().setCurrentItem(harness.Row(0));
    chooser.OKBtn->click();
  });
  chooser.ShowModal();
  QFile::remove(harness.Dir.File("Patterns/8.tes"));
  harness.WhenShown([&](QDialog&) { chooser.OKBtn->click(); });
  EXPECT_EQ(chooser.ShowModal(), QDialog::Accepted);
  EXPECT_EQ(chooser.SelectedRegNo, 8);
  // The file went away: the pattern chosen before stays.
  EXPECT_EQ(chooser.ChosenPattern->Name, "Eight");
}

TEST(PatternSelection, OkAtALaterShowingWithoutSelectingChoosesTheSameNumberAgain) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "3.tes", "3", "Three");
  WritePattern(harness.Dir, "4.tes", "4", "Four");
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) {
    harness.List().setCurrentItem(harness.Row(harness.FindRow("Four")));
    chooser.OKBtn->click();
  });
  chooser.ShowModal();
  WritePattern(harness.Dir, "4.tes", "4", "Four, redrawn");
  harness.WhenShown([&](QDialog&) {
    EXPECT_TRUE(harness.List().selectedItems().isEmpty());
    chooser.OKBtn->click();
  });
  chooser.ShowModal();
  EXPECT_EQ(chooser.SelectedRegNo, 4);
  EXPECT_EQ(chooser.ChosenPattern->Name, "Four, redrawn");
}

TEST(PatternSelection, TwoFilesWithOneNumberBothShowAndOkLoadsTheOneFoundFirst) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "a.tes", "7", "Seven A");
  WritePattern(harness.Dir, "b.tes", "7", "Seven B");
  TPatternDlg& chooser = harness.Chooser();
  TTess first;
  FindPattern(7, first);
  for (const char* pick : {"Seven A", "Seven B"}) {
    SCOPED_TRACE(pick);
    harness.WhenShown([&](QDialog&) {
      EXPECT_EQ(harness.List().topLevelItemCount(), 2);
      harness.List().setCurrentItem(harness.Row(harness.FindRow(pick)));
      chooser.OKBtn->click();
    });
    chooser.ShowModal();
    EXPECT_EQ(chooser.ChosenPattern->Name, first.Name);
  }
}

TEST(PatternSelection, ANumberBeyondThirtyTwoBitsIsReportedAndKeepsThePreviousOne) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "big.tes", "5000000000", "Huge");
  WritePattern(harness.Dir, "small.tes", "12", "Twelve");
  WritePattern(harness.Dir, "low.tes", "-2147483648", "Lowest");
  TPatternDlg& chooser = harness.Chooser();
  chooser.FormShow();
  harness.List().setCurrentItem(harness.Row(harness.FindRow("Twelve")));
  EXPECT_EQ(chooser.SelectedRegNo, 12);
  harness.List().setCurrentItem(harness.Row(harness.FindRow("Huge")));
  ASSERT_EQ(harness.Errors.size(), 1u);
  EXPECT_EQ(harness.Errors[0], "'5000000000' is not a valid integer value");
  EXPECT_EQ(chooser.SelectedRegNo, 12);
  harness.List().setCurrentItem(harness.Row(harness.FindRow("Lowest")));
  EXPECT_EQ(chooser.SelectedRegNo, INT32_MIN);
}

TEST(PatternSelection, ARowNumberedMinusOneLeavesTheChosenPatternAsItWas) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "m.tes", "-1", "Minus");
  WritePattern(harness.Dir, "n.tes", "9", "Nine");
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) {
    harness.List().setCurrentItem(harness.Row(harness.FindRow("Nine")));
    chooser.OKBtn->click();
  });
  chooser.ShowModal();
  harness.WhenShown([&](QDialog&) {
    harness.List().setCurrentItem(harness.Row(harness.FindRow("Minus")));
    chooser.OKBtn->click();
  });
  chooser.ShowModal();
  EXPECT_EQ(chooser.SelectedRegNo, -1);
  EXPECT_EQ(chooser.ChosenPattern->Name, "Nine");
}

TEST(PatternDoubleClick, OnARowSelectsItAndConfirms) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "1.tes", "1", "One");
  WritePattern(harness.Dir, "2.tes", "2", "Two");
  TPatternDlg& chooser = harness.Chooser();
  int result = -1;
  harness.WhenShown([&](QDialog&) {
    QTreeWidgetItem* row = harness.Row(harness.FindRow("Two"));
    const QPoint at = harness.List().visualItemRect(row).center();
    QWidget* viewport = harness.List().viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    result = chooser.result();
    EXPECT_FALSE(chooser.isVisible());
  });
  chooser.ShowModal();
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(chooser.SelectedRegNo, 2);
  EXPECT_EQ(chooser.ChosenPattern->Name, "Two");
}

TEST(PatternDoubleClick, BelowTheRowsConfirmsOnlyWhileARowIsSelected) {
  TChooserHarness harness;
  WritePattern(harness.Dir, "1.tes", "1", "One");
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) {
    QWidget* viewport = harness.List().viewport();
    const QPoint below(40, viewport->height() - 5);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_TRUE(chooser.isVisible());
    harness.List().setCurrentItem(harness.Row(0));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_EQ(harness.List().selectedItems().size(), 1);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
  });
  chooser.ShowModal();
  EXPECT_EQ(chooser.ChosenPattern->Name, "One");
}

TEST(HostilePatternFiles, AreListedWithWhateverTheReaderYields) {
  TChooserHarness harness;
  QDir(harness.Dir.Path()).mkpath("Patterns/folder.tes");
  QByteArray garbage(4096, '\0');
  for (int i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 7919) & 0xFF);
  WriteWholeFile(harness.Dir.File("Patterns/garbage.tes"), garbage);
  WriteWholeFile(harness.Dir.File("Patterns/empty.tes"), "");
  WriteWholeFile(harness.Dir.File("Patterns/long.tes"),
                 "99999999999999999999999\r\n" + QByteArray(200000, 'A') + "\r\nName\r\n" +
                     QByteArray(100000, 'd') + "\r\n0\r\n0\r\n-5\r\n2000000000\r\n0\r\n0\r\n" +
                     QByteArray(100000, '1'));
  WritePattern(harness.Dir, "ok.tes", "11", "Fine");
  TPatternDlg& chooser = harness.Chooser();
  harness.WhenShown([&](QDialog&) {
    EXPECT_EQ(harness.List().topLevelItemCount(), 5);
    for (int i = 0; i < harness.List().topLevelItemCount(); ++i) {
      harness.List().setCurrentItem(harness.Row(i));
    }
    harness.List().setCurrentItem(harness.Row(harness.FindRow("Fine")));
    chooser.OKBtn->click();
  });
  EXPECT_EQ(chooser.ShowModal(), QDialog::Accepted);
  EXPECT_EQ(chooser.ChosenPattern->Name, "Fine");
}

}  // namespace
