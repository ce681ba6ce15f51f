#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <QImage>
#include <QRect>
#include <QWidget>
#include "board/Board.h"
#include "game/Game.h"
#include "scores/ScoreLayout.h"
#include "scores/ScoreTable.h"
#include "settings/GameRecord.h"
#include "settings/GameSettings.h"
#include "ui/ScreenCanvas.h"

class QFrame;
class QLabel;
class QPainter;
class QMenu;
class QAction;
class QTimer;
class QToolButton;
class TColourStrip;
class TQtCanvas;
class TDlgNewGame;
struct TModalSeams;
class TScoreScreen;
class TGameScreen;
class TGameSaver;
class TOptionsMenu;
class TWindowVisibility;

enum TScreenShown { ss_None, ss_Scores, ss_Game, ss_Minimised };

// The main window: the game screen or the score screen in one client area,
// under the toolbar and above the status bar. Its game side is in game/ui,
// its score side in scores/ui.
class TMainForm : public QWidget, public IScreenCanvas {
  Q_OBJECT
  Q_PROPERTY(int ScreenShown READ ScreenShownValue)
  Q_PROPERTY(bool Ticking READ Ticking)
  Q_PROPERTY(bool GameActive READ GameActive)
  Q_PROPERTY(int NumLifelines READ NumLifelines)
  Q_PROPERTY(bool UsingLifeline READ UsingLifeline)
  Q_PROPERTY(bool ShowPlayerOnly READ ShowPlayerOnly)
  Q_PROPERTY(int Clock READ Clock)
  Q_PROPERTY(int Score READ Score)
  Q_PROPERTY(int HoverRow READ HoverRowValue)
  Q_PROPERTY(QRect CanvasDirty READ CanvasDirty)

 public:
  // The seams decide how modal dialogs and message boxes run; they must
  // outlive the window.
  explicit TMainForm(TModalSeams& seams);
  ~TMainForm() override;

  // Published properties; setters compare first and carry the side effects.
  TScreenShown ScreenShown() const { return FScreenShown; }
  void SetScreenShown(TScreenShown value);
  bool Ticking() const { return FTicking; }
  void SetTicking(bool value);
  bool GameActive() const { return FGame.Active(); }
  void SetGameActive(bool value);
  int NumLifelines() const { return FGame.NumLifelines(); }
  void SetNumLifelines(int value);
  bool UsingLifeline() const { return FGame.UsingLifeline(); }
  void SetUsingLifeline(bool value);
  bool ShowPlayerOnly() const;
  void SetShowPlayerOnly(bool value);

  // Commands of the toolbar, the menu and the keys.
  void BtnNewGameClick();
  void StartGame();
  void BtnPauseClick();
  void MenuPauseResumeClick();
  void BtnBossClick();
  void MenuBossClick();
  void MenuViewClick();
  void BtnPopClick();
  void OneMark1Click();
  // "Hint" and the key H: on the game screen of a game in play, with no
  // dialog or message box waiting, the game's hint, shown on the field and
  // told in the status bar.
  void MenuHintClick();
  // What the status bar says of a hint.
  static QString HintText(THintKind kind);
  void About1Click();
  void DisplayHint(const QString& hint);
  void ShowScore();
  // The new game dialog's settings and the player's name as typed, each
  // time they change: the score screen's filter and the next game's start
  // take them from here.
  void SetDialogSettings(const TGameSettings& settings, const QString& playerName);
  // The settings the dialog gave last into the current game record.
  void TakeSettingsFromDialog();

  // Window events, callable directly (tests and the event overrides use them).
  void FormResize();
  void FormPaint();
  void FormClick();
  void FormMouseDown(Qt::MouseButton button, int x, int y);
  void FormMouseUp(Qt::MouseButton button, int x, int y);
  void FormMouseMove(int x, int y);
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void FormCloseQuery();

  // The clock.
  void TimerTickTimer();
  void Tick();
  void ShowGameTime(std::int32_t value);

  // The end of a game and the lifelines.
  void LoseGame();
  void CheckSuccess();
  void SpeedButtonLifelineClick();

  // The field's keys, from the game screen.
  void MoveFieldCursor(TCursorMove move);
  void PlayAtFieldCursor(TCursorAction action);
  // L: what a click on the lifeline's button does.
  void LifelineKeyPress();

  // The score screen.
  TScoreScreen* ScoreScreen() const { return FScoreScreen; }
  void AppendScore(const TGameRecord& record);
  void PaintScores();
  TScoreLayout ScoreLayout() const;
  void ScoresMouseMove(int x, int y);
  void ScoresClick();
  // Plays a game with the settings of a listed one, after asking whether to
  // give up the game in progress.
  void ChallengeScore(const TGameRecord& challenged);
  const std::array<TGameRecord, MaxScoreRows + 1>& ScoreList() const;
  TGameRecord& CurrentGame();
  int HoverRow() const;

  // The window's canvas: an image the size of the client area. Drawing on it
  // outside a paint event marks the drawn region, which the next paint event
  // copies to the screen.
  ICanvas& Canvas() override;
  void CanvasChanged(const QRect& region) override;
  // The part of the canvas drawn on since the screen last showed it: empty
  // when nothing waits to be shown. A tick that changes nothing leaves it so.
  QRect CanvasDirty() const { return FCanvasDirty; }
  int ToolbarPixelHeight() const override;
  int StatusBarPixelHeight() const override;
  // The canvas as drawn so far; any drawing in progress is finished first, so
  // that a copy of the image stays as it is.
  const QImage& CanvasImage() const {
    FinishCanvasPainting();
    return FCanvasImage;
  }

  int ScreenShownValue() const { return int(FScreenShown); }
  int HoverRowValue() const { return HoverRow(); }

  // The game in play, and what the window shows of it.
  TGame& Game() { return FGame; }
  const TGame& Game() const { return FGame; }
  std::int32_t Clock() const { return FGame.Clock(); }
  std::int32_t Score() const { return FGame.Score(); }
  TBoard* Board() { return FGame.Board(); }
  const TBoard* Board() const { return FGame.Board(); }
  // The settings the game in progress was started with; the clock, the
  // bonuses and the record appended at its end read these, never the
  // dialog's later changes.
  const TGameRecord& GameInPlay() const { return FGame.InPlay(); }
  // The step of the toolbar's prompt pulse, one a tick.
  std::int32_t PulseCount() const { return FPulseCount; }
  void SetPulseCount(std::int32_t value) { FPulseCount = value; }
  // The window is being made: the score screen does not paint yet.
  bool Creating() const { return FCreating; }

  // Where the new game dialog comes from: the program builds it when it is
  // first wanted. None: "New Game" opens nothing.
  void SetNewGameDialog(std::function<TDlgNewGame*()> dialog) { FNewGameDialog = std::move(dialog); }

 signals:
  // The player asked for the about box, which is built when first asked for.
  void AboutRequested();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // The toolbar, the status bar and the clock. Each part bears its name
  // (objectName), by which the tests and tools find it.
  QFrame* SpeedPanel = nullptr;
  QToolButton* BtnNewGame = nullptr;
  TColourStrip* PanelNewPrompt = nullptr;
  QToolButton* BtnPop = nullptr;
  QToolButton* SpeedButtonLifeline = nullptr;
  QLabel* LabelNumLifelines = nullptr;
  QLabel* LabelScore = nullptr;
  QFrame* PanelCountdown = nullptr;
  QLabel* LabelTimeB2 = nullptr;
  QWidget* PanelCountdownBar = nullptr;
  QLabel* LabelTimeB = nullptr;
  QToolButton* BtnPause = nullptr;
  TColourStrip* PanelPausePrompt = nullptr;
  QLabel* StatusBar = nullptr;
  QTimer* TimerTick = nullptr;

  // The popup menu.
  QMenu* PopupMenu1 = nullptr;
  QAction* MenuBoss = nullptr;
  QAction* MenuPauseResume = nullptr;
  QAction* MenuNewGame = nullptr;
  QAction* MenuHint = nullptr;
  QAction* MenuView = nullptr;
  QAction* OneMark1 = nullptr;
  TOptionsMenu* FOptionsMenu = nullptr;
  QAction* About1 = nullptr;
  QAction* Help1 = nullptr;

  void FormCreate();
  void NameParts();
  void CreateToolbar();
  void CreatePopupMenu();
  void CreateScoreScreen();
  void SyncScoreScreenShown();
  void LayOutChildren();

  // The timer runs while Ticking is set and a tick can change what the
  // player sees (MainFormClock.cpp).
  bool TicksWanted() const;
  void SyncTimer();

  // The game side's own helpers.
  void SetCaptionFor(TScreenShown screen);
  void GiveKeysToScreen(TScreenShown screen);
  void PlaceLabels();
  void SyncCanvasSize();
  void FinishCanvasPainting() const;
  void AnswerPlay(TPlayResult result);
  void ShowLifelines();
  // Says so while the field in play may need a guess.
  void ShowGuessWarning();
  void ClearGuessWarning();
  // The hint's word in the status bar goes with the proof it names.
  void ClearHintText();
  void ShowGameOver(bool wasActive);
  void EndGame(const QString& message);
  void MinimiseApplication();
  // A game kept by an earlier run comes back, paused on the score screen.
  void RestoreSavedGame();
  // The field takes keys on the game screen of a game in play, and not while
  // a dialog or a message box waits for the player.
  bool FieldTakesKeys() const;
  template <typename TRun>
  auto RunModal(TRun run) {
    ++FModalDepth;
    struct TDone {
      int& Depth;
      ~TDone() { --Depth; }
    } done{FModalDepth};
    return run();
  }

  TGame FGame;
  TScreenShown FScreenShown = ss_None;
  bool FTicking = false;
  std::int32_t FPulseCount = 0;
  bool FCreating = false;
  TScoreScreen* FScoreScreen = nullptr;
  TGameScreen* FGameScreen = nullptr;
  // Keeps the game in play on the disk.
  TGameSaver* FGameSaver = nullptr;
  TWindowVisibility* FVisibility = nullptr;
  TModalSeams& FSeams;
  std::function<TDlgNewGame*()> FNewGameDialog;
  // The dialog, built now if it was not yet; none when the window has no source.
  TDlgNewGame* NewGameDialog() const { return FNewGameDialog ? FNewGameDialog() : nullptr; }

  QImage FCanvasImage;
  QRect FCanvasDirty;
  std::unique_ptr<TQtCanvas> FCanvas;
  std::unique_ptr<QPainter> FCanvasPainter;

  // Set while the new game dialog is open, so that it is never opened twice.
  bool FChoosingGame = false;
  // How many dialogs and message boxes are open.
  int FModalDepth = 0;

  // Decoration of the window's frame: etched lines and the status bar's grip.
  QFrame* BevelToolbar = nullptr;
  QFrame* BevelNewGame = nullptr;
  QFrame* BevelLifelines = nullptr;
  QFrame* BevelScore = nullptr;
  QFrame* BevelStatus = nullptr;
  QWidget* StatusGrip = nullptr;
};
