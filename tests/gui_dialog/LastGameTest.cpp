#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include "gui_dialog/DialogHarness.h"
#include "gui_dialog/RecordFiles.h"

namespace {

TEST(LastGameFile, OkOnAFirstRunWritesTheStandardRecord) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) { dialog.OKBtn->click(); });
  EXPECT_EQ(dialog.ShowModal(), QDialog::Accepted);
  QByteArray expected(96, '\0');
  auto put = [&](int offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i) expected[offset + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
  };
  put(28, 15);  // SizeX
  put(32, 15);  // SizeY
  put(36, 80);  // MinePopulation
  put(40, 10);  // Holes
  put(44, 10);  // CellSize
  put(48, 0);   // Linking
  put(52, 0);   // holes threshold
  put(56, 10);  // shape threshold
  put(60, 0);   // link threshold
  put(64, 7);   // GameSpeed
  EXPECT_EQ(ReadWholeFile(harness.Dir.File("LastGame.dat")).toHex(' '), expected.toHex(' '));
}

TEST(LastGameFile, OkSavesTheNameTheSettingsAndNothingElse) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) {
    dialog.SetCurrentName("Abcdefghijklmnopqrst");
    dialog.ButtonQuickStart[8]->click();
    dialog.CheckBoxTimedGame->setChecked(true);
    dialog.TrackBarTimedGame->setValue(19);
    dialog.SetShapeRandom(false);
    dialog.SetPatternID(-77);
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  const QByteArray bytes = ReadWholeFile(harness.Dir.File("LastGame.dat"));
  ASSERT_EQ(bytes.size(), 96);
  const TGameRecord saved = DecodeRecord(reinterpret_cast<const std::uint8_t*>(bytes.data()));
  TGameRecord expected;
  expected.SetPlayerName("Abcdefghijklmnop");
  expected.SizeX = 42;
  expected.SizeY = 28;
  expected.MinePopulation = 70;
  expected.Holes = 3;
  expected.CellSize = 60;
  expected.Linking = 37;
  expected.ShapeThreshold = 10;
  expected.GameSpeed = 19;
  expected.TimedGame = 1;
  expected.PatternFlag = 1;
  expected.PatternID = -77;
  EXPECT_EQ(saved, expected);
  EXPECT_EQ(saved.NameLength, 16);
}

TEST(LastGameFile, CancelKeepsTheMovedValuesButWritesNothing) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  harness.WhenShown([&](QDialog&) {
    dialog.TrackBarMinePopulation->setValue(123);
    dialog.TrackBarMinefieldSize->setValue(9);
    dialog.CancelBtn->click();
  });
  EXPECT_EQ(dialog.ShowModal(), QDialog::Rejected);
  EXPECT_EQ(dialog.MinePopulation(), 123);
  EXPECT_EQ(dialog.SizeX(), 69);
  EXPECT_FALSE(QFile::exists(harness.Dir.File("LastGame.dat")));

  WriteLastGame(harness.Dir, FirstRunRecord());
  const QByteArray before = ReadWholeFile(harness.Dir.File("LastGame.dat"));
  harness.WhenShown([&](QDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
  EXPECT_EQ(dialog.ShowModal(), QDialog::Rejected);
  EXPECT_EQ(ReadWholeFile(harness.Dir.File("LastGame.dat")), before);
}

TEST(LastGameFile, SavingTwiceLeavesOneRecord) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  WriteWholeFile(harness.Dir.File("LastGame.dat"), QByteArray(500, 'z'));
  dialog.SaveLastGame(dialog.BuildRecord());
  dialog.SaveLastGame(dialog.BuildRecord());
  EXPECT_EQ(ReadWholeFile(harness.Dir.File("LastGame.dat")), RecordBytes(dialog.BuildRecord()));
}

TEST(LastGameFile, RandomShapesComeBackAtTheNextRun) {
  TDialogHarness harness;
  {
    TDlgNewGame& dialog = harness.CreateDialog();
    harness.WhenShown([&](QDialog&) {
      dialog.ButtonQuickStart[6]->click();
      dialog.SetCurrentName("Zoë");
      dialog.CheckBoxTimedGame->setChecked(true);
      dialog.OKBtn->click();
    });
    dialog.ShowModal();
  }
  TDlgNewGame next(harness.Seams);
  EXPECT_EQ(next.CurrentName(), "Zoë");
  EXPECT_EQ(next.ComboBoxName->currentText(), "Zoë");
  EXPECT_EQ(next.SizeX(), 34);
  EXPECT_EQ(next.SizeY(), 23);
  EXPECT_EQ(next.TrackBarMinefieldSize->value(), 5);
  EXPECT_EQ(next.MinePopulation(), 60);
  EXPECT_EQ(next.Holes(), 3);
  EXPECT_EQ(next.Linking(), 30);
  EXPECT_EQ(next.CellSize(), 20);
  EXPECT_EQ(next.GameType(), 3);
  EXPECT_TRUE(next.ShapeRandom());
  EXPECT_TRUE(next.TimedGame());
  EXPECT_TRUE(next.DlgCompact());
}

TEST(LastGameFile, PatternShapesComeBackWithTheirPattern) {
  TDialogHarness harness;
  harness.Dir.CopyShippedPatterns();
  TGameRecord record = FirstRunRecord();
  record.PatternFlag = 1;
  record.PatternID = 101;
  record.CellSize = 45;
  WriteLastGame(harness.Dir, record);
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_FALSE(dialog.ShapeRandom());
  EXPECT_TRUE(dialog.RadioShapePattern->isChecked());
  EXPECT_EQ(dialog.PatternID(), 101);
  EXPECT_EQ(dialog.CellSize(), 45);
  EXPECT_EQ(dialog.LabelPatternName->text(), "Bricks");
  EXPECT_EQ(dialog.LabelPatternDesc->text(), "Horizontal dominoes, every other row shifted by one");
  EXPECT_FALSE(dialog.btnChoosePattern->isHidden());
  EXPECT_TRUE(dialog.TrackBarCellSize->isHidden());
  EXPECT_EQ(dialog.BuildRecord().PatternFlag, 1);
  EXPECT_EQ(dialog.BuildRecord().PatternID, 101);
}

TEST(LastGameFile, ASizeOutsideTheTableMovesTheSliderToTwoUnlessItIsThere) {
  TDialogHarness harness;
  TGameRecord record = FirstRunRecord();
  record.SizeX = 12;
  record.SizeY = 12;
  WriteLastGame(harness.Dir, record);
  TDlgNewGame& dialog = harness.CreateDialog();  // the slider stands at 3 when the record comes
  EXPECT_EQ(dialog.TrackBarMinefieldSize->value(), 2);
  EXPECT_EQ(dialog.SizeX(), 11);
  EXPECT_EQ(dialog.SizeY(), 11);

  TGameRecord scratch;
  dialog.LoadLastGame(scratch);  // now it already stands at 2
  EXPECT_EQ(dialog.SizeX(), 12);
  EXPECT_EQ(dialog.SizeY(), 12);
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "12 x 12");
  EXPECT_EQ(scratch.SizeX, 12);
}

TEST(LastGameFile, ARecordOfNoColumnsStartsFromLevelOneAtTheNextShowing) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarMinefieldSize->setValue(2);
  TGameRecord record = FirstRunRecord();
  record.SizeX = 0;
  record.SizeY = 0;
  WriteLastGame(harness.Dir, record);
  TGameRecord scratch;
  dialog.LoadLastGame(scratch);
  ASSERT_EQ(dialog.SizeX(), 0);
  dialog.ShowModal();
  EXPECT_EQ(dialog.SizeX(), 9);
  EXPECT_EQ(dialog.SizeY(), 9);
  EXPECT_EQ(dialog.MinePopulation(), 40);
}

TEST(LastGameFile, AnAbsentFileOrTheNoRecordMarkChangesNothing) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarMinePopulation->setValue(99);
  const TGameRecord before = dialog.BuildRecord();
  TGameRecord scratch;
  dialog.LoadLastGame(scratch);
  EXPECT_EQ(scratch.Score, NoRecordScore);
  EXPECT_EQ(dialog.BuildRecord(), before);

  TGameRecord marked = FirstRunRecord();
  marked.Score = NoRecordScore;
  marked.MinePopulation = 5;
  WriteLastGame(harness.Dir, marked);
  dialog.LoadLastGame(scratch);
  EXPECT_EQ(dialog.BuildRecord(), before);
}

TEST(LastGameFile, AScoreRecordLoadedIntoTheDialogKeepsItsShapeMode) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  TGameRecord listed = FirstRunRecord();
  listed.Score = 321;
  listed.Clock = 999;
  listed.PatternFlag = 1;
  listed.PatternID = 105;
  listed.SetPlayerName("Listed");
  dialog.SaveLastGame(listed);
  TGameRecord current;
  dialog.LoadLastGame(current);
  dialog.SetCurrentName("Me");
  EXPECT_FALSE(dialog.ShapeRandom());
  EXPECT_EQ(dialog.PatternID(), 105);
  EXPECT_EQ(current.Score, 321);
  EXPECT_EQ(dialog.CurrentName(), "Me");
  EXPECT_EQ(dialog.ComboBoxName->currentText(), "Me");
}

}  // namespace
