// A long run of seeded random play through the real main window, headless:
// the new game dialog is answered with random settings, the mouse presses
// and releases both buttons on the field, the clock ticks, the keys pause,
// hide, abandon and challenge. After every action the field's invariants hold, the
// score and the clock are what an independent tally of the rules says, and
// Scores.dat has grown by exactly the games that ended, keeping every
// earlier record byte for byte.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "about/ui/AboutBox.h"
#include "board/Random.h"
#include "fuzz/checks/BoardInvariants.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreScreen.h"
#include "patterns/ui/PatternDlg.h"
#include "scores/ScoreTable.h"
#include "settings/ui/DlgNewGame.h"
#include "support/GuiTestSupport.h"
#include "ui/Cp1252.h"
#include "ui/ModalSeams.h"

namespace {

int GamesToPlay() {
  bool ok = false;
  const int games = qEnvironmentVariableIntValue("QUORLANE_SOAK_GAMES", &ok);
  return ok && games > 0 ? games : 1000;
}

// The game's own rounding: to nearest, ties to even.
std::int32_t Round(long double value) { return std::int32_t(std::nearbyint(value)); }

// What the rules say a game's numbers are, kept beside the window's.
struct TTally {
  bool Active = false;
  TGameRecord Settings;
  std::int32_t Score = 0;
  std::int32_t Clock = 0;
  int Lifelines = 0;
  bool Armed = false;
};

class Soak : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The seams.
  int AnswerDialog(QDialog& dialog);
  void RandomiseSettings();

  // One random action, then every check.
  void Act();
  void ClickCell(Qt::MouseButton button, bool throughEvents);
  void BothButtons(bool rightFirst);
  void PressHereReleaseThere();
  void Ticks();
  void ArmLifeline();
  void PlayToAnEnd();
  void ChallengeOrClick();
  void Keys();
  void Resize();

  // The tally's side of an action on the field.
  void ExpectUncover(int column, int row);
  void ExpectMark(int column, int row);
  void ExpectSuccessIfCleared();
  void ExpectEnd();
  void BeginTallyIfStarted();
  void CheckAfterAction(const char* action);
  void CheckScoresFile(const char* action);
  void CheckScoresSize(const char* action);

  QPoint CellCentre(int column, int row) const;
  bool PickCell(int& column, int& row, bool wantMine);
  int Random(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Rng); }
  bool Chance(int percent) { return Random(100) < percent; }

  std::unique_ptr<TTempWorkDir> WorkDir;
  TModalSeams Seams = TModalSeams::Real();
  // The program's windows, built as the program builds them.
  std::unique_ptr<TGameWindows> Windows;
  TMainForm* Main = nullptr;
  TDlgNewGame* Dialog = nullptr;
  TAboutBox* About = nullptr;
  TPatternDlg* Patterns = nullptr;
  std::mt19937 Rng;

  TTally Tally;
  // A game begun by the dialog's OK, waiting to be checked once the action
  // that opened the dialog has returned.
  bool Started = false;
  TGameRecord StartedWith;
  // Games that ended in the action in progress, with the numbers they must
  // be recorded with.
  std::vector<TGameRecord> Ended;
  QByteArray Recorded;  // Scores.dat as it must be
  std::uint32_t RecordsWhenChecked = 0;

  int Messages = 0;
  std::string Trace;  // the recent actions, for the account of a failure
  long Actions = 0;
  int GamesStarted = 0;
  int GamesFinished = 0;
  int GamesAbandoned = 0;
  int Won = 0, Lost = 0, TimedOut = 0, Challenges = 0;
};

void Soak::SetUp() {
  WorkDir = std::make_unique<TTempWorkDir>();
  WorkDir->CopyShippedPatterns();
  Rng.seed(20261208);
  Seams.ExecDialog = [this](QDialog& dialog) { return AnswerDialog(dialog); };
  Seams.ShowInformation = [this](QWidget*, const QString& text) {
    ++Messages;
    Trace += " [message at action " + std::to_string(Actions) + ": " + text.left(20).toStdString() + "]";
    if (text.startsWith(QStringLiteral("Success!!"))) ++Won;
    else if (text.contains(QStringLiteral("ran out of time"))) ++TimedOut;
    else ++Lost;
  };
  Seams.AskWarningYesNo = [this](QWidget*, const QString&) { return Chance(50); };
  Seams.ShowError = [](QWidget*, const QString&) {};

  Windows = std::make_unique<TGameWindows>(Seams);

  Main = &Windows->MainForm();

  Dialog = &Windows->DlgNewGame();

  About = &Windows->AboutBox();

  Patterns = &Windows->PatternDlg();
  RandSeed(77);  // the fields replay with the run
  Main->resize(478, 511 + 0);
  Main->show();
}

void Soak::TearDown() {
  Main = nullptr;
  Dialog = nullptr;
  About = nullptr;
  Patterns = nullptr;
  Windows.reset();
  WorkDir.reset();
}

// Small and medium fields mostly, now and then a large one; every other
// setting across its whole range.
void Soak::RandomiseSettings() {
  if (Chance(40)) Dialog->ButtonQuickStartClick(1 + Random(10));
  const int roll = Random(100);
  const int size = roll < 70 ? Random(5) : roll < 97 ? 5 + Random(3) : 8 + Random(9);
  Dialog->TrackBarMinefieldSize->setValue(size);
  if (Chance(60)) Dialog->TrackBarMinePopulation->setValue(Random(201));
  if (Chance(30)) Dialog->TrackBarHoles->setValue(Chance(50) ? 0 : Random(101));
  if (Chance(30)) Dialog->TrackBarLinking->setValue(Chance(40) ? 0 : Random(91));
  if (Chance(30)) Dialog->TrackBarCellSize->setValue(10 + Random(81));
  if (Chance(25)) Dialog->CheckBoxTimedGame->setChecked(!Dialog->TimedGame());
  if (Chance(25)) Dialog->TrackBarTimedGame->setValue(Random(21));
  if (Chance(15)) {
    Dialog->RadioShapePattern->setChecked(true);
    // The shipped library is numbered 101..114; 99 is in no file.
    Dialog->SetPatternID(Chance(90) ? 101 + Random(14) : 99);
  } else if (Chance(50)) {
    Dialog->RadioShapeRandom->setChecked(true);
  }
  static const char* const Names[] = {"Ann", "Bob", "ann", "Zo\xEB", "A twenty-char name!!", "", "Remember me"};
  if (Chance(20)) Dialog->SetCurrentName(FromCp1252(Names[Random(7)]));
}

int Soak::AnswerDialog(QDialog& dialog) {
  if (&dialog != Dialog) return QDialog::Rejected;
  // A game that ended without the tally foreseeing the end can only have
  // been won; its field is still the finished one until the dialog closes.
  if (Tally.Active && !Main->GameActive()) ExpectSuccessIfCleared();
  RandomiseSettings();
  if (Chance(8)) return QDialog::Rejected;
  Dialog->OKBtnClick();
  // OK during a game abandons it: no record.
  if (Main->GameActive()) ++GamesAbandoned;
  Started = true;
  StartedWith = Dialog->BuildRecord();
  return QDialog::Accepted;
}

QPoint Soak::CellCentre(int column, int row) const {
  const TBoard& board = *Main->Board();
  return {(board.ColumnLeft(column) + board.ColumnRight(column)) / 2,
          (board.RowTop(row) + board.RowBottom(row)) / 2};
}

// A random cell; asked for a mine, a covered mine when there is one.
bool Soak::PickCell(int& column, int& row, bool wantMine) {
  if (!Main->Board()) return false;
  const TBoard& board = *Main->Board();
  for (int tries = 0; tries < (wantMine ? 200 : 1); ++tries) {
    column = 1 + Random(board.SizeX());
    row = 1 + Random(board.SizeY());
    const TAreaProperties* area = board.AreaAt(column, row);
    if (!wantMine || (area->Mine && !area->Marked)) return true;
  }
  return true;
}

void Soak::ExpectSuccessIfCleared() {
  if (!Tally.Active) return;
  const TBoard& board = *Main->Board();
  for (const auto& area : board.Areas())
    if (area->Mine != area->Marked) return;
  int unexplored = 0;
  for (const auto& area : board.Areas())
    unexplored += !area->Mine && !area->Marked && !area->Hole && !area->Uncovered;
  const std::int32_t bonus = Round(8.0L * std::pow((long double)unexplored, 1.5L));
  std::int32_t timeLeft = 0;
  if (Tally.Settings.Timed() && Tally.Clock > 0)
    timeLeft = std::int32_t(Tally.Clock * 0.2L * Tally.Settings.MinePopulation * 0.01L);
  Tally.Score += timeLeft + bonus;
  ExpectEnd();
}

void Soak::ExpectEnd() {
  TGameRecord record = Tally.Settings;
  record.Score = Tally.Score;
  record.Clock = Tally.Clock;
  Ended.push_back(record);
  Tally.Active = false;
  Trace += " [tally: end at score " + std::to_string(record.Score) + "]";
}

void Soak::ExpectUncover(int column, int row) {
  const TBoard& board = *Main->Board();
  const TAreaProperties* area = board.AreaAt(column, row);
  const bool timed = Tally.Settings.Timed();
  const bool playable = !area->Uncovered && !area->Marked && !area->Hole;
  if (playable && area->Mine) {
    if (board.FirstMove() || Tally.Armed) {
      Tally.Score = Tally.Score * 4 / 5 - 30;
      if (timed) Tally.Clock -= 20;
    } else {
      Tally.Score = Tally.Score * 4 / 5;
      ExpectEnd();
      return;
    }
  } else if (playable) {
    Tally.Score += timed ? 10 : 5;
    if (timed)
      Tally.Clock += Round((30 - Tally.Settings.GameSpeed) * Tally.Settings.MinePopulation *
                           Tally.Settings.MinePopulation / 6400.0L);
  }
  if (Tally.Armed && Tally.Lifelines > 0) --Tally.Lifelines;
  Tally.Armed = false;
}

void Soak::ExpectMark(int column, int row) {
  const TAreaProperties* area = Main->Board()->AreaAt(column, row);
  if (area->Uncovered || area->Hole) return;
  if (area->Marked) Tally.Score -= 20;
}


// A press and a release on one cell; the window's pending flags decide
// between the plain action and the both-buttons tint.
void Soak::ClickCell(Qt::MouseButton button, bool throughEvents) {
  int column = 0, row = 0;
  if (!PickCell(column, row, Chance(15))) return;
  const QPoint at = CellCentre(column, row);
  const bool otherHeld = button == Qt::LeftButton ? Main->Game().RightDown() : Main->Game().LeftDown();
  const TAreaProperties* area = Main->Board()->AreaAt(column, row);
  const bool onField = Main->ScreenShown() == ss_Game && Main->GameActive();
  if (onField) {
    // The press makes this area the pressed one, so a held other button
    // counts whenever its flag is still set.
    if (otherHeld) {
      // Tint: the board clears the first-move grace.
    } else if (button == Qt::LeftButton) {
      ExpectUncover(column, row);
    } else {
      ExpectMark(column, row);
    }
  }
  (void)area;
  if (throughEvents) {
    const Qt::MouseButtons held = button;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), Main->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(Main, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), Main->mapToGlobal(QPointF(at)), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Main, &release);
  } else {
    Main->FormMouseDown(button, at.x(), at.y());
    Main->FormMouseUp(button, at.x(), at.y());
  }
  if (onField && Tally.Active) ExpectSuccessIfCleared();
}

void Soak::BothButtons(bool rightFirst) {
  int column = 0, row = 0;
  if (!PickCell(column, row, false)) return;
  const QPoint at = CellCentre(column, row);
  const bool onField = Main->ScreenShown() == ss_Game && Main->GameActive();
  Main->FormMouseDown(Qt::LeftButton, at.x(), at.y());
  Main->FormMouseDown(Qt::RightButton, at.x(), at.y());
  // The first release tints; the second then does its own button's action.
  const Qt::MouseButton first = rightFirst ? Qt::RightButton : Qt::LeftButton;
  const Qt::MouseButton second = rightFirst ? Qt::LeftButton : Qt::RightButton;
  const int startedBefore = GamesStarted;
  Main->FormMouseUp(first, at.x(), at.y());
  if (onField && Tally.Active) ExpectSuccessIfCleared();
  CheckAfterAction("both buttons, first release");
  if (GamesStarted != startedBefore ||
      !(Main->ScreenShown() == ss_Game && Main->GameActive() && Tally.Active)) {
    // The tint ended the game; the other button lets go off the field, so
    // that it cannot act on whatever game came next.
    Main->FormMouseUp(second, -5, -5);
    return;
  }
  if (second == Qt::LeftButton) ExpectUncover(column, row);
  else ExpectMark(column, row);
  Main->FormMouseUp(second, at.x(), at.y());
  if (Tally.Active) ExpectSuccessIfCleared();
}

// A press on one cell and a release on another: only when both lie in the
// same area does the release act.
void Soak::PressHereReleaseThere() {
  int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
  if (!PickCell(c1, r1, false) || !PickCell(c2, r2, false)) return;
  const QPoint from = CellCentre(c1, r1), to = CellCentre(c2, r2);
  const bool onField = Main->ScreenShown() == ss_Game && Main->GameActive();
  const bool same = Main->Board()->AreaAt(c1, r1) == Main->Board()->AreaAt(c2, r2);
  const Qt::MouseButton button = Chance(50) ? Qt::LeftButton : Qt::RightButton;
  const bool otherHeld = button == Qt::LeftButton ? Main->Game().RightDown() : Main->Game().LeftDown();
  Main->FormMouseDown(button, from.x(), from.y());
  if (Chance(20)) {
    // Released outside the grid: nothing, and the flag stays set.
    Main->FormMouseUp(button, -5, -5);
    return;
  }
  if (onField && same && !otherHeld) {
    if (button == Qt::LeftButton) ExpectUncover(c2, r2);
    else ExpectMark(c2, r2);
  }
  Main->FormMouseUp(button, to.x(), to.y());
  if (onField && same && Tally.Active) ExpectSuccessIfCleared();
}

void Soak::Ticks() {
  const int ticks = 1 + Random(Chance(10) ? 400 : 30);
  for (int i = 0; i < ticks; ++i) {
    // A minimised game is a paused one.
    if (Tally.Active && Main->ScreenShown() == ss_Game && !Main->isMinimized()) {
      if (Tally.Settings.Timed()) {
        if (--Tally.Clock < 0) ExpectEnd();
      } else {
        ++Tally.Clock;
      }
    }
    Main->Tick();
    CheckAfterAction("tick");
  }
}

void Soak::ArmLifeline() {
  if (Main->ScreenShown() == ss_Game) Tally.Armed = Tally.Lifelines > 0 ? !Tally.Armed : false;
  Main->SpeedButtonLifelineClick();
}

// Ends the game quickly: marks every mine (a win), or walks onto one.
void Soak::PlayToAnEnd() {
  if (!Tally.Active || Main->ScreenShown() != ss_Game) return;
  const bool win = Chance(60);
  TBoard& board = *Main->Board();
  for (int row = 1; row <= board.SizeY() && Tally.Active; ++row)
    for (int column = 1; column <= board.SizeX() && Tally.Active; ++column) {
      const TAreaProperties* area = board.AreaAt(column, row);
      const bool wrongMark = area->Marked && !area->Mine;
      const bool wanted = win ? (area->Mine && !area->Marked) || wrongMark : area->Mine && !area->Marked;
      if (!wanted || Main->Game().LeftDown() || Main->Game().RightDown()) continue;
      const QPoint at = CellCentre(column, row);
      const Qt::MouseButton button = win ? Qt::RightButton : Qt::LeftButton;
      if (win) ExpectMark(column, row);
      else ExpectUncover(column, row);
      const bool wasMarked = area->Marked;
      const int startedBefore = GamesStarted;
      const bool leftBefore = Main->Game().LeftDown(), rightBefore = Main->Game().RightDown();
      Main->FormMouseDown(button, at.x(), at.y());
      Main->FormMouseUp(button, at.x(), at.y());
      if (win && GamesStarted == startedBefore && Tally.Active && Main->GameActive()) {
        ASSERT_NE(area->Marked, wasMarked) << "a right click on " << column << ", " << row << " of "
                                           << board.SizeX() << " x " << board.SizeY() << " at " << at.x()
                                           << ", " << at.y() << " flags " << leftBefore << rightBefore
                                           << " screen " << Main->ScreenShown();
      }
      if (Tally.Active) ExpectSuccessIfCleared();
      CheckAfterAction(win ? "marking the mines" : "walking onto mines");
      // The end of the game may have begun the next one on another field.
      if (GamesStarted != startedBefore) return;
    }
}

// On the score screen: a click on a listed game challenges it.
void Soak::ChallengeOrClick() {
  if (Main->ScreenShown() != ss_Scores) {
    Main->FormKeyDown(Qt::Key_F6, Qt::NoModifier);
    return;
  }
  const TScoreLayout layout = Main->ScoreLayout();
  const int row = Random(layout.RowCount + 2);
  Main->FormMouseMove(10, layout.Top + row * layout.RowHeight + layout.RowHeight / 2 - 3);
  if (Main->HoverRow() > 0) ++Challenges;
  Main->FormClick();
}

void Soak::Keys() {
  switch (Random(8)) {
    case 6: Main->FormKeyDown(Qt::Key_F2, Qt::NoModifier); break;  // hidden until the next resize
    case 7: Main->FormKeyDown(Qt::Key_F1, Qt::ControlModifier); break;  // the about box
    case 0: Main->FormKeyDown(Qt::Key_F3, Qt::NoModifier); break;
    case 1: Main->FormKeyDown(Qt::Key_F6, Qt::NoModifier); break;
    case 2: Main->FormKeyDown(Qt::Key_F5, Qt::NoModifier); break;
    case 3: Main->FormKeyDown(Qt::Key_Return, Qt::NoModifier); break;
    case 4: Main->FormKeyDown(Qt::Key_N, Qt::ControlModifier); break;
    default: Main->FormKeyDown(Qt::Key_N, Qt::NoModifier); break;  // nothing
  }
}

void Soak::Resize() {
  static const QSize Sizes[] = {{478, 511}, {400, 300}, {900, 700}, {640, 480}, {1280, 1000}};
  if (Main->isMinimized()) Main->showNormal();
  Main->resize(Sizes[Random(5)]);
}

void Soak::BeginTallyIfStarted() {
  if (!Started) return;
  Started = false;
  ++GamesStarted;
  Tally = TTally();
  Tally.Active = true;
  Tally.Settings = StartedWith;
  Tally.Score = 100;
  const long double cells = (long double)std::clamp(StartedWith.SizeX, 1, 148) * std::clamp(StartedWith.SizeY, 1, 100);
  Tally.Clock = StartedWith.Timed() ? Round(cells * 0.2L * (25 - StartedWith.GameSpeed)) : 0;
  Tally.Lifelines = 2;
  const std::string fault =
      board_checks::CheckFreshField(*Main->Board(), StartedWith, Main->Clock(), Main->Score());
  ASSERT_EQ(fault, "") << "a fresh field after " << Actions << " actions";
}

void Soak::CheckScoresFile(const char* action) {
  for (const TGameRecord& record : Ended) {
    Recorded += RecordBytes(record);
    ++GamesFinished;
  }
  Ended.clear();
  const QByteArray now = ReadWholeFile(QString::fromLatin1(ScoresFile));
  if (now.size() != Recorded.size() && now.size() >= int(GameRecordSize)) {
    const TGameRecord last =
        DecodeRecord(reinterpret_cast<const std::uint8_t*>(now.constData()) + now.size() - GameRecordSize);
    ADD_FAILURE() << "the last record holds score " << last.Score << " clock " << last.Clock
                  << "; the tally has " << (Tally.Active ? "an active" : "no") << " game at score "
                  << Tally.Score << " clock " << Tally.Clock << "\nrecent:" << Trace;
  }
  ASSERT_EQ(now.size(), Recorded.size()) << "Scores.dat after " << action << " (action " << Actions << ")";
  ASSERT_TRUE(now == Recorded) << "Scores.dat's records differ after " << action;
}

void Soak::CheckScoresSize(const char* action) {
  const qint64 size = QFileInfo(QString::fromLatin1(ScoresFile)).size();
  ASSERT_EQ(size, Recorded.size()) << "Scores.dat's size after " << action << " (action " << Actions << ")";
}

void Soak::CheckAfterAction(const char* action) {
  ++Actions;
  Trace += std::string(" ") + std::to_string(Actions) + ":" + action;
  if (Trace.size() > 1500) Trace.erase(0, Trace.size() - 1000);
  // A game that ended here ended before any new one began.
  // The whole file is compared now and then; its size after every action.
  const bool recordsChanged = !Ended.empty();
  if (recordsChanged || Actions % 64 == 0) CheckScoresFile(action);
  else CheckScoresSize(action);
  if (::testing::Test::HasFatalFailure()) return;
  if (Started) Trace += " [game begins]";
  BeginTallyIfStarted();
  if (::testing::Test::HasFatalFailure()) return;
  ASSERT_EQ(Main->GameActive(), Tally.Active) << "after " << action << " (action " << Actions << ")";
  if (Main->Board()) {
    const std::string fault = board_checks::CheckBoard(*Main->Board());
    ASSERT_EQ(fault, "") << "after " << action << " (action " << Actions << ")";
  }
  if (!Tally.Active) return;
  ASSERT_EQ(Main->Score(), Tally.Score) << "score after " << action << " (action " << Actions << ")";
  ASSERT_EQ(Main->Clock(), Tally.Clock) << "clock after " << action << " (action " << Actions << ")";
  ASSERT_EQ(Main->NumLifelines(), Tally.Lifelines) << "lifelines after " << action;
  ASSERT_EQ(Main->UsingLifeline(), Tally.Armed) << "lifeline armed after " << action;
}

void Soak::Act() {
  const int roll = Random(100);
  const char* action = "";
  if (roll < 30) { ClickCell(Qt::LeftButton, Chance(30)); action = "a left click"; }
  else if (roll < 45) { ClickCell(Qt::RightButton, Chance(30)); action = "a right click"; }
  else if (roll < 50) { BothButtons(Chance(50)); action = "both buttons"; }
  else if (roll < 55) { PressHereReleaseThere(); action = "a press and a release elsewhere"; }
  else if (roll < 68) { Ticks(); return; }
  else if (roll < 73) { ArmLifeline(); action = "the lifeline button"; }
  else if (roll < 81) { PlayToAnEnd(); action = "playing to an end"; }
  else if (roll < 88) { ChallengeOrClick(); action = "a click on the score screen"; }
  else if (roll < 96) { Keys(); action = "a key"; }
  else { Resize(); action = "a resize"; }
  CheckAfterAction(action);
}

TEST_F(Soak, RandomPlayKeepsTheFieldTheTallyAndTheScoreTable) {
  const int games = GamesToPlay();
  Main->BtnNewGameClick();
  CheckAfterAction("the first new game");
  while (GamesFinished < games && !HasFatalFailure()) {
    if (!Tally.Active && Main->ScreenShown() == ss_Scores && Chance(50)) {
      Main->FormClick();  // no game: a click opens the dialog
      CheckAfterAction("a click to start");
      continue;
    }
    Act();
  }
  CheckScoresFile("the end");
  RecordProperty("Actions", std::to_string(Actions));
  std::printf("soak: %d games started, %d finished (%d won, %d lost, %d out of time), %d abandoned, "
              "%d challenges, %ld actions\n",
              GamesStarted, GamesFinished, Won, Lost, TimedOut, GamesAbandoned, Challenges, Actions);
  EXPECT_EQ(GamesFinished, Messages);
  EXPECT_GE(GamesFinished, games);
}

}  // namespace
