#include <gtest/gtest.h>
#include <QApplication>
#include <cstdint>
#include <random>
#include <vector>
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "gui_dialog/DialogHarness.h"
#include "gui_dialog/RecordFiles.h"
#include "settings/NewGameStart.h"
#include "settings/SizeTable.h"
#include "ui/Cp1252.h"

// The first screen takes the settings the new game dialog would hold
// without building it; the dialog, once built, must hold exactly those.

namespace {

TRecordBytes Bytes(const TGameRecord& record) { return EncodeRecord(record); }

// Builds the dialog in the harness's folder, whose LastGame.dat holds the
// given bytes (none: no file), and compares it with the worked-out start.
void ExpectTheDialogStartsAsWorkedOut(const std::vector<std::uint8_t>* file, const std::string& label) {
  SCOPED_TRACE(label);
  TDialogHarness harness;
  if (file)
    WriteWholeFile(harness.Dir.File("LastGame.dat"),
                   QByteArray(reinterpret_cast<const char*>(file->data()), qsizetype(file->size())));
  TGameRecord stored;
  const bool applies = LoadLastGameFile(LastGameFile, stored);
  const TGameSettings expected = NewGameDialogStart(applies ? &stored : nullptr);
  TDlgNewGame& dialog = harness.CreateDialog();
  EXPECT_EQ(dialog.Settings(), expected);
  EXPECT_EQ(dialog.CurrentName(), FromCp1252(expected.PlayerName));
}

void ExpectTheDialogStartsAsWorkedOut(const TGameRecord& record, const std::string& label) {
  const TRecordBytes bytes = Bytes(record);
  const std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
  ExpectTheDialogStartsAsWorkedOut(&file, label);
}

TEST(StartSettings, MatchTheDialogWithoutAndWithOrdinaryRecords) {
  ExpectTheDialogStartsAsWorkedOut(nullptr, "no file");
  const std::vector<std::uint8_t> tooShort(40, 7);
  ExpectTheDialogStartsAsWorkedOut(&tooShort, "a file too short to hold a record");
  ExpectTheDialogStartsAsWorkedOut(FirstRunRecord(), "the first run's record");
  for (int position = MinSizePosition; position <= MaxSizePosition; ++position) {
    TGameRecord record = FirstRunRecord();
    const TFieldSize size = SizeAtPosition(position);
    record.SizeX = size.Columns;
    record.SizeY = size.Rows;
    record.Linking = 5 * position;
    record.CellSize = 10 + 5 * position;
    record.SetPlayerName("\x80\x81 Jos\xE9");
    ExpectTheDialogStartsAsWorkedOut(record, "size position " + std::to_string(position));
  }
}

// Sizes off the slider's table, values past the sliders' ends and past what
// the game plays, a pattern game and a timed one.
TEST(StartSettings, MatchTheDialogWithRecordsOffItsControls) {
  const TFieldSize third = SizeAtPosition(NewGameStart::SizePosition);
  struct TCase {
    const char* Label;
    void (*Change)(TGameRecord&);
  };
  static TFieldSize at3;
  at3 = third;
  const TCase cases[] = {
      {"the start position's columns with other rows", [](TGameRecord& r) { r.SizeX = at3.Columns; r.SizeY = 50; }},
      {"columns no position has", [](TGameRecord& r) { r.SizeX = 20; r.SizeY = 20; }},
      {"no columns", [](TGameRecord& r) { r.SizeX = 0; }},
      {"more columns than the grid", [](TGameRecord& r) { r.SizeX = 1000; r.SizeY = 98; }},
      {"densities past the sliders", [](TGameRecord& r) { r.MinePopulation = 300; r.Holes = 150; r.Linking = 95; }},
      {"densities past the game", [](TGameRecord& r) { r.MinePopulation = 900; r.Holes = -4; r.Linking = 400; }},
      {"shapes past the slider", [](TGameRecord& r) { r.CellSize = 95; r.Linking = 0; }},
      {"shapes below the slider", [](TGameRecord& r) { r.CellSize = 3; r.Linking = 50; }},
      {"huge shapes", [](TGameRecord& r) { r.CellSize = 2000000000; }},
      {"a timed game past the fastest speed", [](TGameRecord& r) { r.TimedGame = 1; r.GameSpeed = 25; }},
      {"a negative speed", [](TGameRecord& r) { r.TimedGame = 1; r.GameSpeed = -3; }},
      {"a pattern game", [](TGameRecord& r) { r.PatternFlag = 1; r.PatternID = 12; }},
      {"other thresholds", [](TGameRecord& r) { r.HolesThreshold = 9; r.ShapeThreshold = 40; r.LinkThreshold = 7; }},
  };
  for (const TCase& c : cases) {
    TGameRecord record = FirstRunRecord();
    record.SetPlayerName("Sixteen letters!");
    c.Change(record);
    ExpectTheDialogStartsAsWorkedOut(record, c.Label);
  }
}

// Whatever LastGame.dat holds: random bytes, and random settings near the
// controls' ranges.
TEST(StartSettings, MatchTheDialogWithRandomFiles) {
  std::mt19937 random(20261209);
  for (int i = 0; i < 30; ++i) {
    std::vector<std::uint8_t> file(96);
    for (auto& byte : file) byte = std::uint8_t(random());
    ExpectTheDialogStartsAsWorkedOut(&file, "random bytes " + std::to_string(i));
  }
  auto draw = [&](int least, int greatest) { return std::uniform_int_distribution<int>(least, greatest)(random); };
  for (int i = 0; i < 60; ++i) {
    TGameRecord record = FirstRunRecord();
    const TFieldSize size = SizeAtPosition(draw(MinSizePosition, MaxSizePosition));
    record.SizeX = draw(0, 3) == 0 ? draw(-5, 160) : size.Columns;
    record.SizeY = draw(0, 3) == 0 ? draw(-5, 110) : size.Rows;
    record.MinePopulation = draw(-20, 520);
    record.Holes = draw(-20, 520);
    record.CellSize = draw(0, 3) == 0 ? draw(-20, 200) : NewGameStart::LeastCellSize;
    record.Linking = draw(0, 3) == 0 ? draw(-20, 120) : 0;
    record.TimedGame = std::uint8_t(draw(0, 1));
    record.GameSpeed = draw(-2, 22);
    record.PatternFlag = std::uint8_t(draw(0, 1));
    record.PatternID = draw(-3, 40);
    ExpectTheDialogStartsAsWorkedOut(record, "random settings " + std::to_string(i));
  }
}

// A start builds none of the windows the first screen does not show; "New
// Game" builds the dialog, which then holds what the first screen was given.
TEST(StartSettings, TheDialogIsBuiltWhenFirstOpened) {
  TDialogHarness harness;
  TGameRecord record = FirstRunRecord();
  record.SetPlayerName("Ann");
  record.SizeX = 42;
  record.SizeY = 28;
  WriteLastGame(harness.Dir, record);
  auto dialogs = [] {
    int found = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
      found += window->objectName() == "DlgNewGame" || window->objectName() == "PatternDlg" ||
               window->objectName() == "AboutBox";
    return found;
  };
  const int before = dialogs();
  TGameWindows windows(harness.Seams);
  EXPECT_EQ(dialogs(), before) << "no dialog is built at the start";
  int shown = 0;
  harness.WhenShown([&](QDialog& dialog) {
    ++shown;
    EXPECT_EQ(dialog.objectName(), "DlgNewGame");
    EXPECT_EQ(static_cast<TDlgNewGame&>(dialog).CurrentName(), "Ann");
    EXPECT_EQ(static_cast<TDlgNewGame&>(dialog).SizeX(), 42);
  });
  windows.MainForm().BtnNewGameClick();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(dialogs(), before + 1);
}

}  // namespace
