#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>
#include "game/ui/GameSaver.h"
#include "game/ui/GameScreen.h"
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
  if (TDlgNewGame* dialog = NewGameDialog()) {
    FChoosingGame = true;
    result = RunModal([dialog] { return dialog->ShowModal(); });
    FChoosingGame = false;
  }

  BtnPause->setEnabled(pauseWasEnabled);
  if (result == QDialog::Accepted) {
    TakeSettingsFromDialog();
    StartGame();
  } else {
    SetTicking(wasTicking);
    SetScreenShown(FGame.Active() ? ss_Game : ss_Scores);
  }
}

void TMainForm::StartGame() {
  // The game keeps the settings it starts with: the score screen refreshes
  // the current record from the dialog, and a challenge overwrites it.
  const bool wasActive = FGame.Active();
  // A game given up for a new one is not kept.
  FGameSaver->Discard();
  FGame.Start(CurrentGame());
  // A reader's cells of the old field go.
  FGameScreen->TellChanges();
  ClearGuessWarning();
  ClearHintText();
  ShowScore();
  if (!wasActive) FormPaint();
  SetTicking(true);
  BtnPause->setEnabled(true);
  SetScreenShown(ss_Game);
  ShowLifelines();
}

void TMainForm::FormClick() {
  if (FScreenShown != ss_Scores) return;
  if (HoverRow() > 0)
    ScoresClick();
  else if (FGame.Active())
    BtnPauseClick();
  else
    BtnNewGameClick();
}

namespace {

TPlayButton PlayButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return pb_Left;
  if (button == Qt::RightButton) return pb_Right;
  if (button == Qt::MiddleButton) return pb_Middle;
  return pb_Other;
}

}  // namespace

QString TMainForm::HintText(THintKind kind) {
  switch (kind) {
    //: What a hint (H) found, in the status bar. A frame on the field shows
    //: the area it speaks of; here a marked area that holds no mine.
    case hk_WrongMark: return tr("Hint: the framed mark is wrong");
    //: The framed area holds no mine: it can be uncovered.
    case hk_Safe: return tr("Hint: the framed area is safe");
    //: The framed area holds a mine: it can be marked.
    case hk_Mine: return tr("Hint: the framed area holds a mine");
    //: No area of the field can be proven safe or mined from the numbers shown.
    case hk_None: return tr("Hint: nothing can be proven now; a guess is needed");
    //: The search for a hint took too long and gave up.
    case hk_OutOfTime: return tr("Hint: nothing found in time");
  }
  return QString();
}

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
  if (FScreenShown != ss_Game || !FGame.Active() || !Board()) return;
  int column = 0, row = 0;
  if (!Board()->CellAt(x, y, column, row)) return;
  FGame.Press(PlayButton(button), column, row);
}

// Note that a release outside the grid answers nothing, so its press stays
// held.
void TMainForm::FormMouseUp(Qt::MouseButton button, int x, int y) {
  if (FScreenShown != ss_Game || !FGame.Active() || !Board()) return;
  int column = 0, row = 0;
  if (!Board()->CellAt(x, y, column, row)) return;
  AnswerPlay(FGame.Release(PlayButton(button), column, row));
}

// Shows what a move did; a lost game ends here, and a move that cleared the
// field wins it.
void TMainForm::AnswerPlay(TPlayResult result) {
  if (result != pr_Hinted) ClearHintText();
  if (result == pr_Nothing) return;
  // Before the end of the game is announced, so the last move is heard first.
  FGameScreen->TellChanges();
  ShowScore();
  if (result == pr_Lost) {
    // The end of the game runs the new game dialog; whatever the player
    // starts there is a new game, which this move must not touch.
    LoseGame();
    return;
  }
  if (result == pr_Uncovered) ShowLifelines();
  ShowGuessWarning();
  CheckSuccess();
}

void TMainForm::FormMouseMove(int x, int y) {
  if (FScreenShown == ss_Scores) {
    ScoresMouseMove(x, y);
    return;
  }
  if (FScreenShown != ss_Game || !FGame.Active() || !Board()) return;
  FGameScreen->HoverAt(x, y);
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
      if (FGame.Active()) SetScreenShown(ss_Scores);
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

bool TMainForm::FieldTakesKeys() const {
  return FScreenShown == ss_Game && FGame.Active() && Board() && FModalDepth == 0;
}

void TMainForm::MoveFieldCursor(TCursorMove move) {
  if (!FieldTakesKeys()) return;
  FGame.MoveCursor(move);
  FGameScreen->ShowCursor();
  FGameScreen->TellCursorMoved();
}

// The area is drawn as the key left it before the window answers, which may
// end the game.
void TMainForm::PlayAtFieldCursor(TCursorAction action) {
  if (!FieldTakesKeys()) return;
  const TPlayResult result = FGame.PlayAtCursor(action);
  FGameScreen->ShowCursor();
  AnswerPlay(result);
}

// The hint is drawn, its cost shown and the window answers it as any other
// action before the status bar tells what it found.
void TMainForm::MenuHintClick() {
  if (!FieldTakesKeys()) return;
  const THint hint = FGame.Hint();
  FGameScreen->ShowCursor();
  AnswerPlay(hint.Area >= 0 ? pr_Hinted : pr_Nothing);
  StatusBar->setText(QStringLiteral(" ") + HintText(hint.Kind));
}

// While its proof is highlighted a hint's word stays; a hint that found
// nothing says so until the next action.
void TMainForm::ClearHintText() {
  if (Board() && !Board()->ProofAreas().empty()) return;
  for (const THintKind kind : {hk_None, hk_WrongMark, hk_Safe, hk_Mine, hk_OutOfTime})
    if (StatusBar->text() == QStringLiteral(" ") + HintText(kind)) {
      DisplayHint(QString());
      return;
    }
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
  if (FScreenShown == ss_Game)
    FGameScreen->setFocus(Qt::MouseFocusReason);
  else
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
  if (FScreenShown == ss_Game) FGameScreen->ClearHover();
  QWidget::leaveEvent(event);
}
