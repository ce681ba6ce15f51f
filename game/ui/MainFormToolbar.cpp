#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QSizeGrip>
#include <QToolButton>
#include "game/ui/MainForm.h"
#include "game/ui/FieldKeys.h"
#include "game/ui/MainFormLayout.h"
#include "game/ui/OptionsMenu.h"
#include "scores/ui/ScoreScreen.h"
#include "game/ui/WindowKeys.h"
#include "ui/ColourStrip.h"
#include "ui/EtchedLine.h"
#include "ui/Hints.h"
#include "ui/Pictures.h"
#include "ui/ValueLabel.h"

using namespace MainFormDesign;

namespace {

QFont ToolbarLabelFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(27);
  font.setBold(true);
  return font;
}

// Speed buttons never take the keyboard focus: the keys belong to the window.
QToolButton* MakeSpeedButton(QWidget* parent, const QIcon& icon, const QSize& iconSize,
                             const QRect& geometry, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIcon(icon);
  button->setIconSize(iconSize);
  button->setGeometry(geometry);
  SetHint(button, hint);
  // A screen reader names the button by its hint, the picture having none.
  button->setAccessibleName(HintShortPart(hint));
  button->setAccessibleDescription(HintLongPart(hint));
  return button;
}

// spokenName names a label that shows a value to a screen reader; a label
// without one only repeats a value shown elsewhere.
QLabel* MakeToolbarLabel(QWidget* parent, const QString& caption, const QString& hint,
                         const QString& spokenName = QString()) {
  QLabel* label = spokenName.isEmpty() ? new QLabel(caption, parent) : new TValueLabel(spokenName, caption, parent);
  label->setFont(ToolbarLabelFont());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMargin(0);
  label->setIndent(0);
  SetHint(label, hint);
  return label;
}

// A borderless strip in the highlight colour, under a button that the
// player is invited to press.
TColourStrip* MakePromptPanel(QWidget* parent, const QRect& geometry) {
  auto* panel = new TColourStrip(parent);
  panel->setGeometry(geometry);
  return panel;
}

// The pause picture greys out with its button.
QIcon PauseIcon() { return PictureIcon(pic_Pause, pic_PauseDisabled); }

// A label sized to its text with its right edge at x (exclusive).
void PlaceRightAligned(QLabel* label, int right, int top) {
  const QFontMetrics metrics(label->font());
  const int width = metrics.horizontalAdvance(label->text());
  label->setGeometry(right - width, top, width, metrics.height());
}

// A label sized to its text with its left edge at x.
void PlaceLeftAligned(QLabel* label, int left, int top) {
  const QFontMetrics metrics(label->font());
  label->setGeometry(left, top, metrics.horizontalAdvance(label->text()), metrics.height());
}

}  // namespace

void TMainForm::CreateToolbar() {
  SpeedPanel = new QFrame(this);
  SpeedPanel->setAutoFillBackground(true);
  SpeedPanel->setGeometry(0, 0, ClientWidth, ToolbarHeight);
  BevelToolbar = MakeEtchedLine(SpeedPanel, QFrame::HLine);

  BtnNewGame = MakeSpeedButton(SpeedPanel, PictureIcon(pic_NewGame), QSize(22, 22), {8, 7, 25, 25},
                               tr("Choose a new game (F5)"));
  PanelNewPrompt = MakePromptPanel(SpeedPanel, {8, 32, 25, 4});
  BtnPop = MakeSpeedButton(SpeedPanel, PictureIcon(pic_Menu), QSize(16, 22), {34, 7, 25, 25},
                           tr("Menu"));
  BevelNewGame = MakeEtchedLine(SpeedPanel, QFrame::VLine);

  SpeedButtonLifeline = MakeSpeedButton(
      SpeedPanel, PictureIcon(pic_Lifeline), QSize(23, 23), {73, 3, 31, 31},
      tr("Lifeline|Click this before activating a mine, and the game continues."));
  SpeedButtonLifeline->setCheckable(true);
  LabelNumLifelines = MakeToolbarLabel(SpeedPanel, QStringLiteral("0"), tr("Number of lifelines remaining"),
                                       //: The count's name for a screen reader, which reads the number after it.
                                       tr("Lifelines left"));
  BevelLifelines = MakeEtchedLine(SpeedPanel, QFrame::VLine);

  LabelScore = MakeToolbarLabel(SpeedPanel, QStringLiteral("0"), tr("Score"), tr("Score"));
  BevelScore = MakeEtchedLine(SpeedPanel, QFrame::VLine);

  // The countdown: the text in its own colour, and over it the bar, which
  // holds the same text in black, cut off at the bar's right edge. A screen
  // reader meets the panel alone, reading the time from the text.
  //: The clock's name for a screen reader; its value is the time shown.
  auto* countdown = new TValuePanel(tr("Time"), SpeedPanel);
  PanelCountdown = countdown;
  PanelCountdown->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PanelCountdown->setLineWidth(1);
  PanelCountdown->resize(CountdownWidth, CountdownHeight);
  SetHint(PanelCountdown, tr("Game Time"));
  LabelTimeB2 = MakeToolbarLabel(PanelCountdown, QStringLiteral(" 00:00"), QString());
  LabelTimeB2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  countdown->SetValueLabel(LabelTimeB2);
  PanelCountdownBar = new QWidget(PanelCountdown);
  PanelCountdownBar->setGeometry(1, 1, CountdownBarWidth, CountdownBarHeight);
  PanelCountdownBar->setAutoFillBackground(true);
  PanelCountdownBar->setBackgroundRole(QPalette::Button);
  LabelTimeB = MakeToolbarLabel(PanelCountdownBar, QStringLiteral(" 00:00"), QString());
  LabelTimeB->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The bar's copy is part of the panel's drawing, which a reader meets as
  // one value; named, it stops telling of each second's new text.
  LabelTimeB->setAccessibleName(tr("Time"));

  BtnPause = MakeSpeedButton(SpeedPanel, PauseIcon(), QSize(16, 16), {PauseX, 7, 25, 25},
                             tr("Pause / Resume (F3)"));
  PanelPausePrompt = MakePromptPanel(SpeedPanel, {PauseX, 32, 25, 4});

  connect(BtnNewGame, &QToolButton::clicked, this, [this] { BtnNewGameClick(); });
  connect(BtnPop, &QToolButton::clicked, this, [this] { BtnPopClick(); });
  connect(SpeedButtonLifeline, &QToolButton::clicked, this, [this] { SpeedButtonLifelineClick(); });
  connect(BtnPause, &QToolButton::clicked, this, [this] { BtnPauseClick(); });

  BevelStatus = MakeEtchedLine(this, QFrame::HLine);
  StatusBar = new QLabel(QStringLiteral(" "), this);
  StatusBar->setTextFormat(Qt::PlainText);
  StatusBar->setAutoFillBackground(true);
  StatusBar->setContentsMargins(2, 0, 18, 0);
  StatusGrip = new QSizeGrip(StatusBar);
}

void TMainForm::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  // The short-cut texts are shown, but the keys act through the window's key
  // handler alone: a short cut that only the (closed) menu itself would see
  // never fires a second time.
  auto addItem = [this](const QString& caption, const QKeySequence& keys) {
    QAction* action = PopupMenu1->addAction(caption);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    return action;
  };
  MenuBoss = addItem(tr("Boss! (hide)"), ShownShortCut(wc_Boss));
  MenuPauseResume = addItem(tr("Pause"), ShownShortCut(wc_PauseResume));
  MenuNewGame = addItem(tr("New Game"), ShownShortCut(wc_NewGame));
  // The field's key, which the game screen takes while it shows.
  //: The menu item that shows a hint on the field; its key, shown beside it,
  //: is H in every language.
  MenuHint = addItem(tr("Hint"), QKeySequence(HintKey));
  PopupMenu1->addSeparator()->setVisible(false);  // Test11
  MenuView = addItem(tr("View Scores"), ShownShortCut(wc_ViewScores));
  MenuView->setVisible(false);
  PopupMenu1->addSeparator();  // N2
  OneMark1 = addItem(tr("&One Mark in Areas"), QKeySequence());
  OneMark1->setCheckable(true);
  FOptionsMenu = new TOptionsMenu(*PopupMenu1, FGame, this);
  PopupMenu1->addSeparator();  // N1
  About1 = addItem(tr("About"), ShownShortCut(wc_About));
  Help1 = addItem(tr("Help"), ShownShortCut(wc_Help));
  Help1->setVisible(false);

  connect(MenuBoss, &QAction::triggered, this, [this] { MenuBossClick(); });
  connect(MenuPauseResume, &QAction::triggered, this, [this] { MenuPauseResumeClick(); });
  connect(MenuNewGame, &QAction::triggered, this, [this] { BtnNewGameClick(); });
  connect(MenuHint, &QAction::triggered, this, [this] { MenuHintClick(); });
  connect(MenuView, &QAction::triggered, this, [this] { MenuViewClick(); });
  connect(OneMark1, &QAction::triggered, this, [this] { OneMark1Click(); });
  connect(About1, &QAction::triggered, this, [this] { About1Click(); });
}

void TMainForm::LayOutChildren() {
  const int w = width();
  const int h = height();
  const int dx = w - ClientWidth;  // the shift of the right-anchored components

  SpeedPanel->setGeometry(0, 0, w, ToolbarHeight);
  BevelToolbar->setGeometry(0, ToolbarHeight - EtchedLineWidth, w, EtchedLineWidth);
  BevelNewGame->setGeometry(NewGameSeparatorX, SeparatorTop, EtchedLineWidth, SeparatorHeight);
  BevelLifelines->setGeometry(LifelinesSeparatorX, SeparatorTop, EtchedLineWidth, SeparatorHeight);
  BevelScore->setGeometry(ScoreSeparatorX + dx, SeparatorTop, EtchedLineWidth, SeparatorHeight);
  PanelCountdown->move(CountdownX + dx, CountdownY);
  BtnPause->move(PauseX + dx, 7);
  PanelPausePrompt->move(PauseX + dx, 32);

  if (FScoreScreen) FScoreScreen->setGeometry(0, ToolbarHeight, w, FScoreScreen->height());

  BevelStatus->setGeometry(0, h - StatusBarHeight - EtchedLineWidth, w, EtchedLineWidth);
  StatusBar->setGeometry(0, h - StatusBarHeight, w, StatusBarHeight);
  const QSize grip = StatusGrip->sizeHint().boundedTo(QSize(StatusBarHeight, StatusBarHeight));
  StatusGrip->setGeometry(w - grip.width(), StatusBarHeight - grip.height(), grip.width(),
                          grip.height());
  PlaceLabels();
}

void TMainForm::PlaceLabels() {
  const int dx = width() - ClientWidth;
  PlaceRightAligned(LabelNumLifelines, NumLifelinesRight, NumLifelinesTop);
  PlaceRightAligned(LabelScore, ScoreRight + dx, ScoreTop);
  // Both clock texts stand at one place, so the bar's black part continues
  // the coloured part exactly; the bar sits one pixel inside the bevel.
  const int timeTop = (CountdownHeight - QFontMetrics(LabelTimeB2->font()).height()) / 2;
  PlaceLeftAligned(LabelTimeB2, 2, timeTop);
  PlaceLeftAligned(LabelTimeB, 1, timeTop - 1);
}
