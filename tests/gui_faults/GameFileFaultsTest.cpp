// The real windows when the game's files cannot be written: the game plays
// to its end, announces it, offers the next game and keeps running, and
// every record already in a file stays as it was.
#include <memory>
#include <string>
#include <gtest/gtest.h>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "about/ui/AboutBox.h"
#include "core_faults/SmallDisk.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreScreen.h"
#include "patterns/ui/PatternDlg.h"
#include "scores/ScoreTable.h"
#include "settings/PlayerNames.h"
#include "settings/ui/DlgNewGame.h"
#include "support/GuiTestSupport.h"
#include "ui/ModalSeams.h"

namespace {

TGameRecord Listed(std::int32_t score) {
  TGameRecord record;
  record.SetPlayerName("Ann");
  record.Score = score;
  record.SizeX = record.SizeY = 9;
  record.MinePopulation = 40;
  record.CellSize = record.ShapeThreshold = 10;
  return record;
}

// The four windows in the current working directory, with every modal
// dialog answered: the new game dialog with OK on a small field.
class GameFileFaults : public ::testing::Test {
 protected:
  void CreateWindows() {
    Seams.ExecDialog = [this](QDialog& dialog) {
      if (&dialog != Dialog) return int(QDialog::Rejected);
      ++DialogsShown;
      Dialog->ButtonQuickStartClick(1);
      Dialog->SetCurrentName(QStringLiteral("Cy"));
      Dialog->OKBtnClick();
      return int(QDialog::Accepted);
    };
    Seams.ShowInformation = [this](QWidget*, const QString& text) { Messages << text; };
    Seams.AskWarningYesNo = [](QWidget*, const QString&) { return false; };
    Seams.ShowError = [this](QWidget*, const QString& text) { Errors << text; };
    Windows = std::make_unique<TGameWindows>(Seams);
    Main = &Windows->MainForm();
    Dialog = &Windows->DlgNewGame();
    About = &Windows->AboutBox();
    Patterns = &Windows->PatternDlg();
    Main->resize(478, 511);
    Main->show();
  }
  void TearDown() override {
    Main = nullptr;
    Dialog = nullptr;
    About = nullptr;
    Patterns = nullptr;
    Windows.reset();
  }

  // Marks every mine with right clicks on the field: the game is won.
  void WinTheGame() {
    ASSERT_TRUE(Main->GameActive());
    TBoard& board = *Main->Board();
    const int games = DialogsShown;
    for (int row = 1; row <= board.SizeY(); ++row)
      for (int column = 1; column <= board.SizeX(); ++column) {
        if (!board.AreaAt(column, row)->Mine || board.AreaAt(column, row)->Marked) continue;
        const int x = (board.ColumnLeft(column) + board.ColumnRight(column)) / 2;
        const int y = (board.RowTop(row) + board.RowBottom(row)) / 2;
        Main->FormMouseDown(Qt::RightButton, x, y);
        Main->FormMouseUp(Qt::RightButton, x, y);
        if (DialogsShown != games) return;  // won, and the next game began
      }
  }

  void PlayTwoGames() {
    Main->BtnNewGameClick();
    ASSERT_EQ(DialogsShown, 1);
    WinTheGame();
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("Success!!")));
    // The end offered the next game, which is under way.
    EXPECT_EQ(DialogsShown, 2);
    EXPECT_TRUE(Main->GameActive());
    WinTheGame();
    EXPECT_EQ(Messages.size(), 2);
    Main->SetScreenShown(ss_Scores);
    Main->FormPaint();  // the score screen reads what it can
  }

  TModalSeams Seams = TModalSeams::Real();
  // The program's windows, built as the program builds them.
  std::unique_ptr<TGameWindows> Windows;
  TMainForm* Main = nullptr;
  TDlgNewGame* Dialog = nullptr;
  TAboutBox* About = nullptr;
  TPatternDlg* Patterns = nullptr;
  int DialogsShown = 0;
  QStringList Messages;
  QStringList Errors;
};

TEST_F(GameFileFaults, WithADirectoryInPlaceOfEveryFileTheGamesStillEndAndFollowEachOther) {
  TTempWorkDir dir;
  for (const char* name : {ScoresFile, "LastGame.dat", SavedNamesFile})
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(name)));
  CreateWindows();
  PlayTwoGames();
  // The names file can be neither read nor written; the player is told so,
  // in the words the game has always used.
  EXPECT_TRUE(Errors.contains(QStringLiteral("Cannot open file SavedNames.txt")) ||
              Errors.contains(QStringLiteral("Cannot create file SavedNames.txt")))
      << Errors.join(QStringLiteral(" / ")).toStdString();
  for (const char* name : {ScoresFile, "LastGame.dat", SavedNamesFile})
    EXPECT_TRUE(QFileInfo(QString::fromLatin1(name)).isDir());
}

// The same windows on a small disk, real or simulated (see SmallDisk.h).
class GameFileFaultsOnDisk : public GameFileFaults, public ::testing::WithParamInterface<TDiskKind> {};
INSTANTIATE_TEST_SUITE_P(Disks, GameFileFaultsOnDisk,
                         ::testing::Values(TDiskKind::Tmpfs, TDiskKind::Simulated), DiskKindName);

TEST_P(GameFileFaultsOnDisk, OnAFullDiskTheRecordsAlreadyKeptStayByteForByte) {
  TSmallDisk disk(GetParam(), 12288);
  ENTER_DISK(disk);
  QByteArray before;
  for (int i = 0; i < 85; ++i) before += RecordBytes(Listed(100 + i));
  WriteWholeFile(QString::fromLatin1(ScoresFile), before);
  CreateWindows();
  disk.Fill();
  PlayTwoGames();
  const QByteArray after = ReadWholeFile(QString::fromLatin1(ScoresFile));
  ASSERT_GE(after.size(), before.size());
  EXPECT_TRUE(after.left(before.size()) == before) << "an earlier record changed";
  // The best listed game is still the best that was kept.
  EXPECT_EQ(Main->ScoreList()[1].Score, 184);
}

// The three files a player keeps, as the game finds them before a fault.
struct TKeptFiles {
  QByteArray Scores = RecordBytes(Listed(10)) + RecordBytes(Listed(20));
  QByteArray LastGame = RecordBytes(Listed(5));
  QByteArray Names = "Ann\r\nBob\r\n";

  void Write() const {
    WriteWholeFile(QString::fromLatin1(ScoresFile), Scores);
    WriteWholeFile(QStringLiteral("LastGame.dat"), LastGame);
    WriteWholeFile(QString::fromLatin1(SavedNamesFile), Names);
  }
  void ExpectUnchanged() const {
    EXPECT_TRUE(ReadWholeFile(QString::fromLatin1(ScoresFile)) == Scores);
    EXPECT_TRUE(ReadWholeFile(QStringLiteral("LastGame.dat")) == LastGame);
    EXPECT_TRUE(ReadWholeFile(QString::fromLatin1(SavedNamesFile)) == Names);
  }
};

TEST_P(GameFileFaultsOnDisk, OnAReadOnlyDiskEveryFileKeepsItsBytes) {
  TSmallDisk disk(GetParam(), 64 * 1024);
  ENTER_DISK(disk);
  const TKeptFiles kept;
  kept.Write();
  ASSERT_TRUE(disk.MakeReadOnly());
  CreateWindows();
  PlayTwoGames();
  kept.ExpectUnchanged();
  EXPECT_TRUE(Errors.contains(QStringLiteral("Cannot create file SavedNames.txt")))
      << Errors.join(QStringLiteral(" / ")).toStdString();
}

TEST_F(GameFileFaults, WithReadOnlyFilesInAWritableFolderEveryFileKeepsItsBytes) {
  TSmallDisk disk(TDiskKind::Simulated, 64 * 1024);
  ASSERT_TRUE(disk.Ready);
  const TKeptFiles kept;
  kept.Write();
  ASSERT_TRUE(disk.MakeFilesReadOnly(ScoresFile));
  CreateWindows();
  PlayTwoGames();
  kept.ExpectUnchanged();
  EXPECT_TRUE(Errors.contains(QStringLiteral("Cannot create file SavedNames.txt")))
      << Errors.join(QStringLiteral(" / ")).toStdString();
  EXPECT_EQ(Main->ScoreList()[1].Score, 20);
}

}  // namespace
