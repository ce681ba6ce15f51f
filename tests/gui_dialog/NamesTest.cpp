#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include "gui_dialog/DialogHarness.h"
#include "gui_dialog/RecordFiles.h"

namespace {

QByteArray SavedNames(const TDialogHarness& harness) {
  return ReadWholeFile(harness.Dir.File("SavedNames.txt"));
}

void WriteSavedNames(const TDialogHarness& harness, const QByteArray& bytes) {
  WriteWholeFile(harness.Dir.File("SavedNames.txt"), bytes);
}

QStringList ListOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// Types into the name box as the player does: focus, select all, type.
void TypeName(TDlgNewGame& dialog, const QString& text) {
  dialog.ComboBoxName->setFocus(Qt::MouseFocusReason);
  dialog.ComboBoxName->lineEdit()->selectAll();
  QTest::keyClicks(dialog.ComboBoxName->lineEdit(), text);
}

TEST(SavedNames, AreReadAtEveryShowingWithEmptyLinesKept) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "A\r\n\r\nB\r\n");
  dialog.ShowModal();
  EXPECT_EQ(ListOf(dialog.ComboBoxName), QStringList({"A", "", "B"}));
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "Remember me");

  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setEditText("Carl");
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_EQ(SavedNames(harness), "A\r\n\r\nB\r\nCarl\r\n");
  EXPECT_EQ(ListOf(dialog.ComboBoxName), QStringList({"A", "", "B", "Carl"}));

  WriteSavedNames(harness, "Dora\n");
  dialog.ShowModal();
  EXPECT_EQ(ListOf(dialog.ComboBoxName), QStringList({"Dora"}));
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "Carl");
}

TEST(SavedNames, AMissingFileLeavesTheListAsItWas) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "Ann\r\n");
  dialog.ShowModal();
  QFile::remove(harness.Dir.File("SavedNames.txt"));
  dialog.ShowModal();
  EXPECT_EQ(ListOf(dialog.ComboBoxName), QStringList({"Ann"}));
  EXPECT_TRUE(harness.Errors.empty());
}

TEST(SavedNames, ANameDifferingOnlyInLetterCaseIsNotAddedAgain) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "Ann\r\n");
  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setEditText("ann");
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_EQ(SavedNames(harness), "Ann\r\n");

  WriteSavedNames(harness, "Ann\nbobby");  // no final line end
  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setEditText("Bob");
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_EQ(SavedNames(harness), "Ann\r\nbobby\r\nBob\r\n");
}

TEST(SavedNames, ThePromptAndTheEmptyNameAreNeverSaved) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) { dialog.OKBtn->click(); });
  dialog.ShowModal();
  EXPECT_FALSE(QFile::exists(harness.Dir.File("SavedNames.txt")));
  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setEditText("");
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_FALSE(QFile::exists(harness.Dir.File("SavedNames.txt")));
}

TEST(CurrentName, FollowsTheBoxOnlyWhenTheBoxLosesTheFocus) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) {
    TypeName(dialog, "Eve");
    EXPECT_EQ(dialog.CurrentName(), "");
    dialog.TrackBarMinefieldSize->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog.CurrentName(), "Eve");
  });
  dialog.ShowModal();
}

TEST(CurrentName, LeavingTheBoxWithThePromptMakesThePromptTheNameButNeverSavesIt) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.CurrentName(), "Remember me");
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_FALSE(QFile::exists(harness.Dir.File("SavedNames.txt")));
  const QByteArray bytes = ReadWholeFile(harness.Dir.File("LastGame.dat"));
  ASSERT_EQ(bytes.size(), 96);
  EXPECT_EQ(DecodeRecord(reinterpret_cast<const std::uint8_t*>(bytes.data())).PlayerName(), "Remember me");
}

TEST(CurrentName, EnterInTheBoxConfirmsWithThePreviousNameButSavesTheTypedOne) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetCurrentName("Old");
  int result = -1;
  harness.WhenShown([&](QDialog&) {
    TypeName(dialog, "Dana");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    result = dialog.result();
  });
  dialog.ShowModal();
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialog.CurrentName(), "Old");
  EXPECT_EQ(SavedNames(harness), "Dana\r\n");
  const QByteArray bytes = ReadWholeFile(harness.Dir.File("LastGame.dat"));
  ASSERT_EQ(bytes.size(), 96);
  EXPECT_EQ(DecodeRecord(reinterpret_cast<const std::uint8_t*>(bytes.data())).PlayerName(), "Old");
}

TEST(CurrentName, TheOkButtonPressedWithTheMouseTakesTheFocusFirst) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "Ann\r\nBen\r\n");
  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setFocus(Qt::MouseFocusReason);
    dialog.ComboBoxName->setCurrentIndex(1);
    EXPECT_EQ(dialog.CurrentName(), "");
    ClickWithMouse(dialog.OKBtn);
  });
  EXPECT_EQ(dialog.ShowModal(), QDialog::Accepted);
  EXPECT_EQ(dialog.CurrentName(), "Ben");
  EXPECT_EQ(SavedNames(harness), "Ann\r\nBen\r\n");
}

TEST(CurrentName, SetterComparesExactlyAndSetsTheBox) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.SetCurrentName("Ann");
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "Ann");
  dialog.ComboBoxName->setEditText("typed");
  dialog.SetCurrentName("Ann");  // unchanged: the box keeps what was typed
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "typed");
  dialog.SetCurrentName("ann");
  EXPECT_EQ(dialog.CurrentName(), "ann");
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "ann");
}

TEST(NameBox, TypingStopsAtFourteenCharactersButLongerSavedNamesStayWhole) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "Twentycharactername1\r\n");
  harness.WhenShown([&](QDialog&) {
    TypeName(dialog, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(dialog.ComboBoxName->currentText(), "abcdefghijklmn");
    dialog.ComboBoxName->setCurrentIndex(0);
    EXPECT_EQ(dialog.ComboBoxName->currentText(), "Twentycharactername1");
    // The long name may be shortened but not lengthened by typing.
    dialog.ComboBoxName->lineEdit()->end(false);
    QTest::keyClick(dialog.ComboBoxName->lineEdit(), Qt::Key_X);
    EXPECT_EQ(dialog.ComboBoxName->currentText(), "Twentycharactername1");
    QTest::keyClick(dialog.ComboBoxName->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.ComboBoxName->currentText(), "Twentycharactername");
    QTest::keyClick(dialog.ComboBoxName->lineEdit(), Qt::Key_1);
    EXPECT_EQ(dialog.ComboBoxName->currentText(), "Twentycharactername");
    dialog.ComboBoxName->setCurrentIndex(0);
    dialog.TrackBarHoles->setFocus(Qt::TabFocusReason);
  });
  dialog.ShowModal();
  EXPECT_EQ(dialog.CurrentName(), "Twentycharactername1");
  EXPECT_EQ(dialog.BuildRecord().PlayerName(), "Twentycharactern");
}

TEST(NameBox, NamesAreWindows1252OnDisk) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "Ren\xe9\r\n");
  harness.WhenShown([&](QDialog&) {
    EXPECT_EQ(dialog.ComboBoxName->itemText(0), QString::fromUtf8("René"));
    dialog.ComboBoxName->setEditText(QString::fromUtf8("Œdipe €"));
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_EQ(SavedNames(harness), "Ren\xe9\r\n\x8c" "dipe \x80\r\n");
}

TEST(NameFileErrors, AnUnreadableFileIsReportedAndSkipsTheSizeCheck) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteSavedNames(harness, "Ann\r\n");
  dialog.ShowModal();
  QFile::remove(harness.Dir.File("SavedNames.txt"));
  QDir(harness.Dir.Path()).mkdir("SavedNames.txt");
  dialog.TrackBarMinefieldSize->setValue(2);
  dialog.SetSizeX(0);
  bool shown = false;
  harness.WhenShown([&](QDialog&) { shown = true; });
  dialog.ShowModal();
  EXPECT_TRUE(shown);
  ASSERT_EQ(harness.Errors.size(), 1u);
  EXPECT_EQ(harness.Errors[0], "Cannot open file SavedNames.txt");
  EXPECT_EQ(ListOf(dialog.ComboBoxName), QStringList({"Ann"}));
  EXPECT_EQ(dialog.SizeX(), 0);
}

TEST(NameFileErrors, AFileThatCannotBeWrittenSkipsTheRecordButStillConfirms) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) {
    QDir(harness.Dir.Path()).mkdir("SavedNames.txt");
    dialog.ComboBoxName->setEditText("Finn");
    dialog.OKBtn->click();
  });
  EXPECT_EQ(dialog.ShowModal(), QDialog::Accepted);
  ASSERT_EQ(harness.Errors.size(), 1u);
  EXPECT_EQ(harness.Errors[0], "Cannot create file SavedNames.txt");
  EXPECT_FALSE(QFile::exists(harness.Dir.File("LastGame.dat")));
}

}  // namespace
