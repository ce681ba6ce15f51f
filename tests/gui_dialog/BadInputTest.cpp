#include <random>
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include "gui_dialog/DialogHarness.h"
#include "gui_dialog/RecordFiles.h"

namespace {

TEST(DamagedLastGame, AShortFileCountsAsAbsent) {
  TDialogHarness harness;
  TGameRecord record = FirstRunRecord();
  record.MinePopulation = 33;
  WriteWholeFile(harness.Dir.File("LastGame.dat"), RecordBytes(record).left(95));
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.MinePopulation(), 80);
}

TEST(DamagedLastGame, ANameLengthAboveSixteenGivesSixteenCharacters) {
  TDialogHarness harness;
  QByteArray bytes = RecordBytes(FirstRunRecord());
  bytes[0] = char(200);
  for (int i = 1; i <= 16; ++i) bytes[i] = char('a' + i - 1);
  for (int i = 17; i < 20; ++i) bytes[i] = 'Z';
  WriteWholeFile(harness.Dir.File("LastGame.dat"), bytes);
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.CurrentName(), "abcdefghijklmnop");
}

TEST(DamagedLastGame, DISABLED_SizesBeyondTheGridAndNegativeDensitiesAreHeldAndShownSoundly) {
  TDialogHarness harness;
  TGameRecord record = FirstRunRecord();
  record.SizeX = 100000;
  record.SizeY = -40;
  record.MinePopulation = -5;
  record.Holes = INT32_MIN;
  record.Linking = INT32_MAX;
  record.CellSize = -1;
  record.GameSpeed = -100;
  WriteLastGame(harness.Dir, record);
  TDlgNewGame& dialog = harness.CreateDialog();
  // The unknown width puts the slider on its fallback, whose row replaces it.
  EXPECT_EQ(dialog.SizeX(), 11);
  EXPECT_EQ(dialog.SizeY(), 11);
  EXPECT_EQ(dialog.MinePopulation(), -5);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "-1.0%");
  EXPECT_EQ(dialog.TrackBarMinePopulation->value(), 0);
  EXPECT_EQ(dialog.LabelHoles->text(), "-429496729.6%");
  EXPECT_EQ(dialog.LabelLinking->text(), "214748364.7");
  EXPECT_EQ(dialog.LabelCellSize->text(), "-0.1");
  EXPECT_EQ(dialog.GameSpeed(), 0);
  EXPECT_EQ(dialog.GameType(), 2);
}

TEST(DamagedLastGame, RecordsOfRandomBytesNeverBreakTheDialog) {
  TDialogHarness harness;
  std::mt19937 random(1234);
  TDlgNewGame& dialog = harness.CreateDialog();
  for (int round = 0; round < 200; ++round) {
    QByteArray bytes(96 + int(random() % 3) * 50, '\0');
    for (char& byte : bytes) byte = char(random());
    WriteWholeFile(harness.Dir.File("LastGame.dat"), bytes);
    TGameRecord scratch;
    dialog.LoadLastGame(scratch);
    dialog.FormShow();
    EXPECT_FALSE(dialog.LabelMinefieldSize->text().isEmpty());
  }
  // Whatever came in, OK writes one sound record.
  harness.WhenShown([&](QDialog&) { dialog.OKBtn->click(); });
  dialog.ShowModal();
  EXPECT_EQ(ReadWholeFile(harness.Dir.File("LastGame.dat")).size(), 96);
}

TEST(DamagedSavedNames, VeryLongLinesZeroBytesAndNoFinalLineEndAreRead) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  QByteArray bytes(1 << 20, 'L');
  bytes += "\r\nSecond\r\nThird";
  WriteWholeFile(harness.Dir.File("SavedNames.txt"), bytes);
  dialog.ShowModal();
  ASSERT_EQ(dialog.ComboBoxName->count(), 3);
  EXPECT_EQ(dialog.ComboBoxName->itemText(0).size(), 1 << 20);
  EXPECT_EQ(dialog.ComboBoxName->itemText(2), "Third");

  WriteWholeFile(harness.Dir.File("SavedNames.txt"), QByteArray("One\r\nTw\0o\r\nThree\r\n", 19));
  dialog.ShowModal();
  EXPECT_EQ(dialog.ComboBoxName->count(), 2);
  EXPECT_EQ(dialog.ComboBoxName->itemText(1), "Tw");
}

TEST(DamagedSavedNames, AHundredThousandNamesAreListedAndOneMoreIsAppended) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  QByteArray bytes;
  for (int i = 0; i < 100000; ++i) bytes += "Name" + QByteArray::number(i) + "\r\n";
  WriteWholeFile(harness.Dir.File("SavedNames.txt"), bytes);
  harness.WhenShown([&](QDialog&) {
    dialog.ComboBoxName->setEditText("Newcomer");
    dialog.OKBtn->click();
  });
  dialog.ShowModal();
  EXPECT_EQ(dialog.ComboBoxName->count(), 100001);
  EXPECT_EQ(ReadWholeFile(harness.Dir.File("SavedNames.txt")), bytes + "Newcomer\r\n");
}

}  // namespace
