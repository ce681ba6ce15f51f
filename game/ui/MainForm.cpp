#include "game/ui/MainForm.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include "board/Random.h"
#include "board/ui/QtCanvas.h"
#include "game/ui/GameSaver.h"
#include "game/ui/GameScreen.h"
#include "game/ui/MainFormLayout.h"
#include "scores/ui/ScoreScreen.h"
#include "scores/ui/ScoreTable.h"
#include "ui/ColourStrip.h"
#include "ui/Cp1252.h"
#include "ui/Hints.h"
#include "ui/WindowVisibility.h"
#include "ui/WidgetColours.h"

using namespace MainFormDesign;

namespace {

const QString Title = QStringLiteral("Quorlane v1.0.1");

QFont WindowFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  return font;
}

}  // namespace

TMainForm::TMainForm(TModalSeams& seams)
    : QWidget(nullptr),
      FSeams(seams),
      FCanvas(std::make_unique<TQtCanvas>()),
      FCanvasPainter(std::make_unique<QPainter>()) {
  setFont(WindowFont());
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  // The canvas image covers the whole client area, so Qt need not erase it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(MinimumWidth, MinimumHeight);
  resize(ClientWidth, ClientHeight);

  TimerTick = new QTimer(this);
  TimerTick->setInterval(GameInterval);
  connect(TimerTick, &QTimer::timeout, this, [this] { TimerTickTimer(); });

  CreateToolbar();
  CreatePopupMenu();
  CreateScoreScreen();
  FGameScreen = new TGameScreen(FGame, *this, this);
  FVisibility = new TWindowVisibility(*this);
  connect(FVisibility, &TWindowVisibility::Changed, this, &TMainForm::SyncTimer);
  connect(FGameScreen, &TGameScreen::CursorMoveRequested, this, &TMainForm::MoveFieldCursor);
  connect(FGameScreen, &TGameScreen::CursorPlayRequested, this, &TMainForm::PlayAtFieldCursor);
  FGameSaver = new TGameSaver(FGame, this);
  connect(FGameSaver, &TGameSaver::StatusNote, this,
          [this](const QString& note) { StatusBar->setText(QStringLiteral(" ") + note); });
  connect(FGameScreen, &TGameScreen::LifelineRequested, this, &TMainForm::LifelineKeyPress);
  connect(FGameScreen, &TGameScreen::HintRequested, this, &TMainForm::MenuHintClick);
  NameParts();
  LayOutChildren();
  SyncCanvasSize();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect centred(QPoint(0, 0), size());
    centred.moveCenter(screen->availableGeometry().center());
    move(centred.topLeft());
  }
  FormCreate();
  RestoreSavedGame();
}

TMainForm::~TMainForm() {
  FinishCanvasPainting();
}

void TMainForm::NameParts() {
  const std::pair<QObject*, const char*> parts[] = {
      {SpeedPanel, "SpeedPanel"},
      {BtnNewGame, "BtnNewGame"},
      {PanelNewPrompt, "PanelNewPrompt"},
      {BtnPop, "BtnPop"},
      {SpeedButtonLifeline, "SpeedButtonLifeline"},
      {LabelNumLifelines, "LabelNumLifelines"},
      {LabelScore, "LabelScore"},
      {PanelCountdown, "PanelCountdown"},
      {LabelTimeB2, "LabelTimeB2"},
      {PanelCountdownBar, "PanelCountdownBar"},
      {LabelTimeB, "LabelTimeB"},
      {BtnPause, "BtnPause"},
      {PanelPausePrompt, "PanelPausePrompt"},
      {StatusBar, "StatusBar"},
      {TimerTick, "TimerTick"},
      {PopupMenu1, "PopupMenu1"},
      {MenuBoss, "MenuBoss"},
      {MenuPauseResume, "MenuPauseResume"},
      {MenuNewGame, "MenuNewGame"},
      {MenuHint, "MenuHint"},
      {MenuView, "MenuView"},
      {OneMark1, "OneMark1"},
      {About1, "About1"},
      {Help1, "Help1"},
  };
  for (const auto& [part, name] : parts) part->setObjectName(QLatin1StringView(name));
}

void TMainForm::FormCreate() {
  FCreating = true;
  RandSeedFromClock();
  setWindowTitle(tr("%1 by the Quorlane developers").arg(Title));
  SetScreenShown(ss_Scores);
  SetShowPlayerOnly(false);
  BtnPause->setEnabled(false);
  SetGameActive(false);
  TimerTick->setInterval(IdleInterval);
  SetTicking(true);
  FPulseCount = 24;
  // The status bar follows the hints through event(): Qt hands every status
  // tip up the window's widgets to here.
  TakeSettingsFromDialog();
  FCreating = false;
  SyncScoreScreenShown();
  // The keys start on the score table, not on the first of the header's
  // controls.
  setFocus(Qt::OtherFocusReason);
}

void TMainForm::SetCaptionFor(TScreenShown screen) {
  setWindowTitle(screen == ss_Game ? tr("%1 by the Quorlane developers : Play").arg(Title)
                                   : tr("%1 by the Quorlane developers : Scores").arg(Title));
}

void TMainForm::SetScreenShown(TScreenShown value) {
  if (value == FScreenShown) return;
  // Leaving the field of a game in play (a pause, the boss key, the scores,
  // a minimised window) keeps the game on the disk as it stands.
  const bool leavingPlay = FScreenShown == ss_Game && FGame.Active();
  FScreenShown = value;
  if (value == ss_Scores) {
    SetCaptionFor(ss_Scores);
    MenuView->setText(tr("View Game"));
    TimerTick->setInterval(IdleInterval);
    SpeedButtonLifeline->setEnabled(false);
  } else if (value == ss_Game) {
    SetCaptionFor(ss_Game);
    MenuView->setText(tr("View Scores"));
    // The score screen's own hint goes; so does its text in the status bar.
    const QString ownStatus = statusTip();
    SetHint(this, QString());
    if (!ownStatus.isEmpty() && StatusBar->text() == QStringLiteral(" ") + ownStatus)
      DisplayHint(QString());
    TimerTick->setInterval(GameInterval);
    SetTicking(true);
    SpeedButtonLifeline->setEnabled(true);
    // A restored game waits no more, whether it is resumed or given up
    // for a new one: its word goes.
    FGameSaver->Resumed();
    if (StatusBar->text() == QStringLiteral(" ") + TGameSaver::WaitingNote()) DisplayHint(QString());
  }
  GiveKeysToScreen(value);
  SyncScoreScreenShown();
  SyncTimer();
  FormResize();
  if (leavingPlay) FGameSaver->Save();
}

// The keyboard goes with the screen: to the field on the game screen, to the
// score table on the score screen. The window hands on whatever focus it is
// given (a click on the toolbar, the return from a menu or a dialog), so the
// field keeps the keys while the game screen shows.
void TMainForm::GiveKeysToScreen(TScreenShown screen) {
  QWidget* keys = FScoreScreen->Table();
  if (screen == ss_Game) keys = FGameScreen;
  // The field may hold the keys for a window that a message box or a
  // dialog covers just now: they come back to the screen shown.
  const bool fieldHadKeys = focusWidget() == FGameScreen;
  setFocusProxy(keys);
  // The screen shown comes first: a widget that hides while it has the
  // focus passes it on to the next control in the tab order.
  if (screen == ss_Scores) FScoreScreen->setVisible(true);
  if (screen == ss_Game) FGameScreen->setVisible(true);
  if (screen == ss_Game || fieldHadKeys) keys->setFocus(Qt::OtherFocusReason);
  if (screen != ss_Scores) FScoreScreen->setVisible(false);
  if (screen != ss_Game) FGameScreen->setVisible(false);
}

// The table paints only while it is the screen shown, once the window is
// made.
void TMainForm::SyncScoreScreenShown() {
  FScoreScreen->SetShown(!FCreating && FScreenShown == ss_Scores);
}

void TMainForm::SetTicking(bool value) {
  if (value == FTicking) return;
  FTicking = value;
  SyncTimer();
  if (value) {
    MenuPauseResume->setText(tr("Pause"));
    const TColour face = FromQColor(palette().color(QPalette::Button));
    PanelNewPrompt->SetColour(face);
    PanelPausePrompt->SetColour(face);
  } else {
    MenuPauseResume->setText(tr("Resume"));
  }
}

void TMainForm::SetGameActive(bool value) {
  if (value == FGame.Active()) return;
  FGame.SetActive(value);
  FormPaint();
}

void TMainForm::BtnPauseClick() {
  if (!FGame.Active()) {
    BtnNewGameClick();
    return;
  }
  // Pausing is nothing but showing the scores: the clock runs only on the
  // game screen.
  SetScreenShown(FScreenShown == ss_Game ? ss_Scores : ss_Game);
}

void TMainForm::MenuPauseResumeClick() { BtnPauseClick(); }

void TMainForm::BtnBossClick() {
  // The score screen first, so the clock stands still while the game hides.
  SetScreenShown(ss_Scores);
  MinimiseApplication();
}

void TMainForm::MenuBossClick() { BtnBossClick(); }

void TMainForm::MinimiseApplication() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (!window->isVisible() || type == Qt::Popup || type == Qt::ToolTip) continue;
    window->showMinimized();
  }
}

void TMainForm::MenuViewClick() {
  SetTicking(false);
  SetScreenShown(ss_Scores);
}

void TMainForm::BtnPopClick() {
  const QPoint window = frameGeometry().topLeft();
  PopupMenu1->popup(QPoint(window.x() + BtnPop->x() - 40, window.y() + BtnPop->y()));
}

void TMainForm::OneMark1Click() {
  FGameScreen->ToggleOneMark();
  // The check mark shows the board's flag; a checkable action has already
  // flipped it by itself when the player chose it.
  OneMark1->setChecked(Board() && Board()->OneMark());
}

void TMainForm::About1Click() { emit AboutRequested(); }

void TMainForm::DisplayHint(const QString& hint) {
  // A hint that goes does not take the word about a field that may need a
  // guess with it: the status bar shows that again while the field is played.
  if (hint.isEmpty() && FScreenShown == ss_Game && FGame.Active() && FGame.MayNeedGuess()) {
    ShowGuessWarning();
    return;
  }
  // Nor does it take the word that a restored game waits.
  if (hint.isEmpty() && FScreenShown == ss_Scores && FGameSaver && FGameSaver->Waiting()) {
    StatusBar->setText(QStringLiteral(" ") + TGameSaver::WaitingNote());
    return;
  }
  StatusBar->setText(QStringLiteral(" ") + hint);
}

void TMainForm::ShowScore() {
  LabelScore->setText(QString::number(FGame.Score()));
  PlaceLabels();
}

void TMainForm::SetDialogSettings(const TGameSettings& settings, const QString& playerName) {
  FScoreScreen->SetFilterReference(settings, playerName);
}

void TMainForm::TakeSettingsFromDialog() {
  FScoreScreen->TakeSettings();
}

void TMainForm::FormCloseQuery() {
  FGameSaver->Save();
  TimerTick->stop();
  FGame.DropBoard();
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    DisplayHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  event->accept();
}

// A window that goes to the task bar may not come back (the session ends,
// the machine sleeps and is switched off): its game is kept at once, not
// at the next tick.
void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && isMinimized() && FGame.Active()) FGameSaver->Save();
  QWidget::changeEvent(event);
}

void TMainForm::RestoreSavedGame() {
  if (!FGameSaver->RestoreAtStart()) return;
  BtnPause->setEnabled(true);
  ShowScore();
  ShowLifelines();
  ShowGameTime(FGame.Clock());
  FormPaint();
}
