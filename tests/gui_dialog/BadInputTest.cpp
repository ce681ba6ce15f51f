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

TEST(DamagedLastGame, SettingsThatMeanNothingTakeTheNearestPlayableValue) {
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
  // A size off the grid is no size: the slider's fallback row replaces it.
  EXPECT_EQ(dialog.SizeX(), 11);
  EXPECT_EQ(dialog.SizeY(), 11);
  EXPECT_EQ(dialog.MinePopulation(), 0);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "0.0%");
  EXPECT_EQ(dialog.TrackBarMinePopulation->value(), 0);
  EXPECT_EQ(dialog.Holes(), 0);
  EXPECT_EQ(dialog.LabelHoles->text(), "0.0%");
  // Every area linked is as far as linking goes.
  EXPECT_EQ(dialog.Linking(), 100);
  EXPECT_EQ(dialog.LabelLinking->text(), "10.0");
  EXPECT_EQ(dialog.TrackBarLinking->value(), 90);
  EXPECT_EQ(dialog.CellSize(), 10);
  EXPECT_EQ(dialog.LabelCellSize->text(), "1.0");
  EXPECT_EQ(dialog.GameSpeed(), 0);
  EXPECT_EQ(dialog.GameType(), 2);

  // OK stores the playable values, so the file heals.
  harness.WhenShown([&](QDialog&) { dialog.OKBtn->click(); });
  dialog.ShowModal();
  const QByteArray saved = ReadWholeFile(harness.Dir.File("LastGame.dat"));
  ASSERT_EQ(saved.size(), 96);
  const TGameRecord stored = DecodeRecord(reinterpret_cast<const std::uint8_t*>(saved.constData()));
  EXPECT_EQ(stored.SizeX, 11);
  EXPECT_EQ(stored.SizeY, 11);
  EXPECT_EQ(stored.MinePopulation, 0);
  EXPECT_EQ(stored.Holes, 0);
  EXPECT_EQ(stored.Linking, 100);
  EXPECT_EQ(stored.CellSize, 10);
  EXPECT_EQ(stored.GameSpeed, 0);
}

TEST(DamagedLastGame, ValuesBeyondASlidersEndThatTheGameCanPlayAreHeld) {
  TDialogHarness harness;
  TGameRecord record = FirstRunRecord();
  record.SizeX = 12;
  record.SizeY = 97;
  record.MinePopulation = 300;
  record.Holes = 500;
  record.CellSize = 95;
  WriteLastGame(harness.Dir, record);
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.MinePopulation(), 300);
  EXPECT_EQ(dialog.LabelMinePopulation->text(), "60.0%");
  EXPECT_EQ(dialog.TrackBarMinePopulation->value(), 200);
  EXPECT_EQ(dialog.Holes(), 500);
  EXPECT_EQ(dialog.LabelHoles->text(), "100.0%");
  EXPECT_EQ(dialog.CellSize(), 95);
  EXPECT_EQ(dialog.LabelCellSize->text(), "9.5");
  // 12 columns are not a row of the slider: it moves to its fallback.
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "11 x 11");

  // Applied again while the slider already stands there, a size on the
  // grid is kept whole.
  WriteLastGame(harness.Dir, record);
  TGameRecord scratch;
  dialog.LoadLastGame(scratch);
  EXPECT_EQ(dialog.LabelMinefieldSize->text(), "12 x 97");
}

TEST(DamagedLastGame, ASizeOffTheGridWithTheSliderAtItsFallbackStartsFromLevelOne) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarMinefieldSize->setValue(2);
  TGameRecord record = FirstRunRecord();
  record.SizeX = 11;
  record.SizeY = 99;  // one row more than the grid holds
  WriteLastGame(harness.Dir, record);
  TGameRecord scratch;
  dialog.LoadLastGame(scratch);
  EXPECT_EQ(scratch.SizeY, 99);  // the record read stays as the file holds it
  int shownColumns = -1, shownRows = -1;
  harness.WhenShown([&](QDialog&) {
    shownColumns = dialog.SizeX();
    shownRows = dialog.SizeY();
  });
  dialog.ShowModal();
  EXPECT_EQ(shownColumns, 9);
  EXPECT_EQ(shownRows, 9);
  EXPECT_EQ(dialog.MinePopulation(), 40);
}

TEST(DamagedLastGame, TheGameSpeedStaysOnItsSliderEvenWhenTheSliderIsAtItsEnd) {
  TDialogHarness harness;
  TDlgNewGame& dialog = harness.CreateDialog();
  dialog.TrackBarTimedGame->setValue(20);
  TGameRecord record = FirstRunRecord();
  record.TimedGame = 1;
  record.GameSpeed = 25;  // would leave a timed game no time at all
  WriteLastGame(harness.Dir, record);
  TGameRecord scratch;
  dialog.LoadLastGame(scratch);
  EXPECT_EQ(dialog.GameSpeed(), 20);
  EXPECT_EQ(dialog.TrackBarTimedGame->value(), 20);
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
    // What the game window would read is always a playable game.
    EXPECT_GE(dialog.SizeX(), 1);
    EXPECT_LE(dialog.SizeX(), 147);
    EXPECT_GE(dialog.SizeY(), 1);
    EXPECT_LE(dialog.SizeY(), 98);
    EXPECT_EQ(dialog.LabelMinefieldSize->text(), QString("%1 x %2").arg(dialog.SizeX()).arg(dialog.SizeY()));
    EXPECT_GE(dialog.MinePopulation(), 0);
    EXPECT_LE(dialog.MinePopulation(), 500);
    EXPECT_GE(dialog.Holes(), 0);
    EXPECT_LE(dialog.Holes(), 500);
    EXPECT_GE(dialog.Linking(), 0);
    EXPECT_LE(dialog.Linking(), 100);
    EXPECT_GE(dialog.CellSize(), 10);
    EXPECT_GE(dialog.GameSpeed(), 0);
    EXPECT_LE(dialog.GameSpeed(), 20);
    EXPECT_FALSE(dialog.LabelMinePopulation->text().startsWith('-'));
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
