#pragma once
#include <functional>
#include <memory>
#include <vector>
#include <gtest/gtest.h>
#include <QByteArray>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QPoint>
#include <QString>
#include "about/ui/AboutBox.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreScreen.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/GameRecord.h"
#include "settings/ui/DlgNewGame.h"
#include "support/GuiTestSupport.h"
#include "ui/ModalSeams.h"

// The settings a test plays with, as the player would set them in the dialog.
struct TFieldSettings {
  int Columns = 15;
  int Rows = 15;
  int MinePopulation = 40;
  int Holes = 0;
  int CellSize = 10;  // the least value: every area one square
  int Linking = 0;
  bool Timed = false;
  int GameSpeed = 7;
  QString Name = QStringLiteral("Tester");
};

// A cell of the field, 1-based.
struct TCell {
  int Column = 0;
  int Row = 0;
};

// An area the player may still play, and one of those without a mine.
inline bool Covered(const TAreaProperties& a) { return !a.Uncovered && !a.Marked && !a.Hole; }
inline bool CoveredSafe(const TAreaProperties& a) { return Covered(a) && !a.Mine; }

// The program's four windows in a fresh working directory with the shipped
// patterns; every modal dialog and message box is answered by the test.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds the windows as the program does (after the test has prepared the
  // working directory's files), replacing any built before.
  void CreateWindows();
  void DestroyWindows();

  // The dialog's answer: what the player does in it. Returning true presses
  // OK, false presses Cancel.
  std::function<bool(TDlgNewGame& dialog)> AnswerDialog;
  // Answers with OK after setting the dialog to these settings.
  static std::function<bool(TDlgNewGame&)> ChooseSettings(const TFieldSettings& settings);
  static void ApplySettings(TDlgNewGame& dialog, const TFieldSettings& settings);
  // Starts a game through the toolbar's New Game button and the dialog.
  void StartGame(const TFieldSettings& settings = {});
  // The same with a fixed seed, so that a failing test can be replayed.
  void StartSeededGame(const TFieldSettings& settings, std::uint64_t seed);

  // The real mouse events on the window, at the centre of a cell.
  QPoint CentreOf(TCell cell) const;
  void Press(Qt::MouseButton button, QPoint at);
  void Release(Qt::MouseButton button, QPoint at);
  void Press(Qt::MouseButton button, TCell cell) { Press(button, CentreOf(cell)); }
  void Release(Qt::MouseButton button, TCell cell) { Release(button, CentreOf(cell)); }
  void Click(Qt::MouseButton button, TCell cell);
  void MoveTo(QPoint at);
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // A key pressed and released where Qt sends it: to the window's focus
  // widget, the game screen while it shows. A held key repeats.
  void FieldKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);
  TCell CursorCell() const;
  // The cursor to a cell the way a player takes it: to the top-left corner,
  // then along.
  void GoTo(TCell cell);
  // The mines of the field in play laid anew: on these cells and no others.
  void LayMinesOn(const std::vector<TCell>& mines);

  // Cells of the field, found on the board.
  const TAreaProperties* AreaOf(TCell cell) const;
  std::vector<TCell> Cells(const std::function<bool(const TAreaProperties&)>& wanted) const;
  TCell FirstCell(const std::function<bool(const TAreaProperties&)>& wanted) const;
  TCell AMine() const;
  TCell ACoveredSafeArea() const;
  // A cell of every mine area, one per area.
  std::vector<TCell> OneCellPerMine() const;
  int CountAreas(const std::function<bool(const TAreaProperties&)>& wanted) const;

  QByteArray ScoresBytes() const;
  int RecordsInScores() const;
  // The last record of Scores.dat.
  TGameRecord LastScore() const;

  std::unique_ptr<TTempWorkDir> WorkDir;
  TModalSeams Seams = TModalSeams::Real();
  // The program's windows, built as the program builds them.
  std::unique_ptr<TGameWindows> Windows;
  TMainForm* Main = nullptr;
  TDlgNewGame* Dialog = nullptr;
  TAboutBox* About = nullptr;
  TPatternDlg* Patterns = nullptr;

  // What the seams saw.
  int DialogsShown = 0;
  std::vector<QString> Messages;
  std::vector<QString> Warnings;
  bool AnswerYes = true;
  // Runs inside the message box, while it is shown.
  std::function<void()> WhileMessageShown;
  // Runs inside the dialog, before it is answered.
  std::function<void()> WhileDialogShown;
};
