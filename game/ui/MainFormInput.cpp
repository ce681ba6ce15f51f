#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include "game/Scoring.h"
#include "game/ui/Forms.h"
#include "game/ui/MainForm.h"
#include "game/ui/WindowKeys.h"
#include "settings/ui/DlgNewGame.h"

namespace {

// The modifier set is exactly Ctrl: no Shift, Alt or Meta, and no mouse
// button held down.
bool CtrlOnly(Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers keys = modifiers & ~Qt::KeypadModifier;
  return keys == Qt::ControlModifier && QApplication::mouseButtons() == Qt::NoButton;
}

}  // namespace

void TMainForm::BtnNewGameClick() {
  // The dialog is modal; a second request while it is open has nothing to add.
  if (FChoosingGame) return;
  const bool wasTicking = FTicking;
  const bool pauseWasEnabled = BtnPause->isEnabled();
  SetTicking(false);
  BtnPause->setEnabled(false);
  SetScreenShown(ss_Scores);

  int result = QDialog::Rejected;
  if (Forms.DlgNewGame) {
    FChoosingGame = true;
    result = Forms.DlgNewGame->ShowModal();
    FChoosingGame = false;
  }

  BtnPause->setEnabled(pauseWasEnabled);
  if (result == QDialog::Accepted) {
    TakeSettingsFromDialog();
    StartGame();
  } else {
    SetTicking(wasTicking);
    SetScreenShown(FGameActive ? ss_Game : ss_Scores);
  }
}

void TMainForm::StartGame() {
  // The game keeps the settings it starts with: the score screen refreshes
  // the current record from the dialog, and a challenge overwrites it.
  // Its record holds the settings and the name, with every reserved byte
  // zero and the flags 0 or 1, whatever a damaged file once put into the
  // current record.
  GameInPlay = TGameSettings::FromRecord(CurrentGame).ToRecord();
  ++FGameSerial;
  GenerateBoard(GameInPlay);
  ShowScore();
  SetGameActive(true);
  SetTicking(true);
  BtnPause->setEnabled(true);
  SetScreenShown(ss_Game);
  SetNumLifelines(2);
  SetUsingLifeline(false);
}

void TMainForm::FormClick() {
  if (FScreenShown != ss_Scores) return;
  if (HoverRow > 0)
    ScoresClick();
  else if (FGameActive)
    BtnPauseClick();
  else
    BtnNewGameClick();
}

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
  if (FScreenShown != ss_Game || !FGameActive || !Board) return;
  int column = 0, row = 0;
  if (!Board->CellAt(x, y, column, row)) return;
  PressedArea = Board->AreaAt(column, row);
  if (button == Qt::LeftButton) LeftDown = true;
  if (button == Qt::RightButton) RightDown = true;
}

// A press and a release count together only on one area, wherever in the
// area they fall; a release elsewhere just answers its own press. Note that
// a release outside the grid answers nothing, so its flag stays set.
void TMainForm::FormMouseUp(Qt::MouseButton button, int x, int y) {
  if (FScreenShown != ss_Game || !FGameActive || !Board) return;
  int column = 0, row = 0;
  if (!Board->CellAt(x, y, column, row)) return;
  const TAreaProperties* area = Board->AreaAt(column, row);
  const bool sameArea = area && area == PressedArea;

  if (button == Qt::LeftButton) {
    if (sameArea && RightDown) {
      BothButtonsAction(column, row);
      RightDown = false;
    } else if (sameArea) {
      UncoverSequence(column, row);
    }
    LeftDown = false;
  } else if (button == Qt::RightButton) {
    if (sameArea && LeftDown) {
      BothButtonsAction(column, row);
      LeftDown = false;
    } else if (sameArea) {
      Board->ToggleMark(column, row, Score);
      ShowScore();
      CheckSuccess();
    }
    RightDown = false;
  }
}

void TMainForm::BothButtonsAction(int column, int row) {
  Board->Tint(column, row);
  ShowScore();
  CheckSuccess();
}

void TMainForm::UncoverSequence(int column, int row) {
  const std::int32_t bonus = TimeBonus(GameInPlay.GameSpeed, GameInPlay.MinePopulation);
  const bool exploded = Board->Uncover(column, row, bonus, Score, Clock, GameInPlay.Timed());
  if (exploded && !FUsingLifeline) {
    Score = ScoreAfterExplosion(Score);
    ShowScore();
    const std::uint32_t lostGame = FGameSerial;
    LoseGame();
    // The end of the game ran the new game dialog. When the player started
    // another game there, the rest of this click belonged to the lost one and
    // must not touch the new field, its lifelines or its score.
    if (FGameSerial != lostGame) return;
  }
  if (FNumLifelines > 0 && FUsingLifeline) SetNumLifelines(FNumLifelines - 1);
  ShowScore();
  SetUsingLifeline(false);
  CheckSuccess();
}

void TMainForm::FormMouseMove(int x, int y) {
  if (FScreenShown == ss_Scores) {
    ScoresMouseMove(x, y);
    return;
  }
  if (FScreenShown != ss_Game || !FGameActive || !Board) return;
  int column = 0, row = 0;
  if (Board->CellAt(x, y, column, row)) {
    Board->HoverAt(column, row, BoardCanvas());
    ShowBoardDrawing();
  } else {
    Board->ClearHover();
  }
}

void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const TWindowKey* entry = FindWindowKey(key, CtrlOnly(modifiers));
  if (!entry) return;
  switch (entry->Command) {
    case wc_NewGame:
      BtnNewGameClick();
      break;
    case wc_Quit:
      close();
      break;
    case wc_About:
      About1Click();
      break;
    case wc_Boss:
      BtnBossClick();
      break;
    case wc_PauseResume:
      BtnPauseClick();
      break;
    case wc_ViewScores:
      if (FGameActive) SetScreenShown(ss_Scores);
      break;
    case wc_Help:
      break;
  }
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (!IsWindowKey(event->key())) {
    QWidget::keyPressEvent(event);
    return;
  }
  // One action per press: a key held down does not repeat it.
  if (!event->isAutoRepeat()) FormKeyDown(event->key(), event->modifiers());
  event->accept();
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint at = event->position().toPoint();
  FormMouseDown(event->button(), at.x(), at.y());
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  // A left click on the score screen is the score screen's: it may bring
  // back the game or start one, and the release that made it must not then
  // play on that game's field.
  if (event->button() == Qt::LeftButton && FScreenShown == ss_Scores && rect().contains(at)) {
    FormClick();
    return;
  }
  FormMouseUp(event->button(), at.x(), at.y());
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseMove(at.x(), at.y());
}

void TMainForm::leaveEvent(QEvent* event) {
  // The pointer has gone (off the window, or onto the toolbar): no area is
  // under it any more.
  if (FScreenShown == ss_Game && Board) Board->ClearHover();
  QWidget::leaveEvent(event);
}
