#pragma once
#include <memory>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include <QByteArray>
#include <QImage>
#include <QSlider>
#include "about/ui/AboutBox.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreScreen.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/GameRecord.h"
#include "settings/ui/DlgNewGame.h"
#include "support/GuiTestSupport.h"
#include "ui/ModalSeams.h"

// A listed game with everyday settings: an untimed 15 x 15 field.
TGameRecord ListedGame(const std::string& name, std::int32_t score);

// Writes the records as Scores.dat (oldest first).
void WriteScores(const std::vector<TGameRecord>& records);
QByteArray ScoresBytes();
QByteArray LastGameBytes();
// A left-button press and release in the middle of a widget.
void ClickWidget(QWidget* widget);

// The four windows as the program creates them, in a fresh working
// directory, with every modal dialog and message box answered by the test.
class ScoreScreen : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The main window at a client size; the design size is 478 x 511.
  void ResizeClient(int width, int height);
  // A full repaint of the score screen, as a paint message gives it.
  void Repaint();
  void HoverRow(int row);
  // Starts a game through the new game dialog, confirmed with OK.
  void StartGameThroughDialog();
  // Sets the dialog's settings to those of a record, as the player would.
  void SetDialogTo(const TGameRecord& record);

  // The dark pixels of the canvas in a rectangle.
  int CountDark(const QRect& area) const;
  int CountColour(const QRect& area, QRgb colour) const;
  // The leftmost / rightmost column holding a pixel darker than the
  // background in the given band, or -1.
  int FirstInkX(const QRect& band) const;
  int LastInkX(const QRect& band) const;
  QRect RowBand(int row) const;

  std::unique_ptr<TTempWorkDir> WorkDir;
  TModalSeams Seams = TModalSeams::Real();
  // The program's windows, built as the program builds them.
  std::unique_ptr<TGameWindows> Windows;
  TMainForm* Main = nullptr;
  TDlgNewGame* Dialog = nullptr;
  TAboutBox* About = nullptr;
  TPatternDlg* Patterns = nullptr;

  // What the seams saw and how they answer.
  int DialogsShown = 0;
  int WarningsAsked = 0;
  QString LastWarning;
  bool AnswerYes = true;
  bool AcceptDialog = false;
  // The dialog's state the moment it opened.
  QString NameWhenShown;
  int SizeXWhenShown = -1;
};
