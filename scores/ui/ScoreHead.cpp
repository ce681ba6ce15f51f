#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreHeadWidgets.h"
#include "ui/ClickablePicture.h"
#include "ui/EtchedLine.h"
#include "ui/Hints.h"

namespace {

QRadioButton* MakeFilterButton(QWidget* panel) {
  auto* button = new QRadioButton(panel);
  QFont font("Tahoma");
  font.setPixelSize(21);
  button->setFont(font);
  return button;
}

QLabel* MakeNameLabel(QWidget* panel) {
  auto* label = new QLabel(QStringLiteral("Me"), panel);
  QFont font("Arial");
  font.setPixelSize(27);
  font.setBold(true);
  label->setFont(font);
  // A player's name is shown as typed, never read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QSlider* MakeMatchSlider(QWidget* panel) {
  auto* slider = new QSlider(Qt::Horizontal, panel);
  slider->setRange(0, MatchLevelAll);
  slider->setValue(MatchLevelAll);
  // Ticks at the two ends only: exact match and all games. (Qt draws a tick
  // at every interval from the minimum, so the interval is the whole range.)
  slider->setTickInterval(MatchLevelAll);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setSingleStep(1);
  slider->setPageStep(5);
  return slider;
}

}  // namespace

// The strip above the table: whose scores (everyone's or this player's),
// the player's name, and how closely listed games must match the current
// settings (from a narrow disc, exact match, to a wide one, all games).
void TMainForm::CreateScoreHead() {
  auto* panel = new TScoreHeadPanel(this);
  PanelScoreHead = panel;
  const int top = SpeedPanel ? SpeedPanel->geometry().bottom() + 1 : 39;
  panel->setGeometry(0, top, width(), TScoreHeadPanel::PanelHeight);

  RadioButtonAllPlayers = MakeFilterButton(panel);
  auto* allPlayers = new TClickablePicture(pic_TwoPeople, panel);
  Image11 = allPlayers;
  RadioButtonThisPlayer = MakeFilterButton(panel);
  auto* thisPlayer = new TClickablePicture(pic_OnePerson, panel);
  Image1 = thisPlayer;
  LabelPlayerName = MakeNameLabel(panel);
  QFrame* bevel6 = MakeEtchedLine(panel, QFrame::VLine);
  auto* narrow = new TClickablePicture(pic_MatchNarrow, panel);
  Image2 = narrow;
  TrackBarMatchSpec = MakeMatchSlider(panel);
  auto* wide = new TClickablePicture(pic_MatchWide, panel);
  Image3 = wide;
  QFrame* bevel2 = MakeEtchedLine(panel, QFrame::HLine);

  panel->Place(RadioButtonAllPlayers, {12, 5, 16, 29}, false);
  panel->Place(Image11, {28, 5, 33, 25}, false);
  panel->Place(RadioButtonThisPlayer, {72, 5, 16, 29}, false);
  panel->Place(Image1, {88, 5, 17, 25}, false);
  panel->Place(LabelPlayerName, {107, 4, 202, 32}, false, true);
  panel->Place(bevel6, {315, 0, 2, 37}, true);
  panel->Place(Image2, {320, 3, 32, 32}, true);
  panel->Place(TrackBarMatchSpec, {351, 9, 90, 22}, true);
  panel->Place(Image3, {441, 3, 32, 32}, true);
  panel->Place(bevel2, {0, TScoreHeadPanel::PanelHeight - 2, TScoreHeadPanel::DesignWidth, 2}, false, true);

  SetHint(RadioButtonAllPlayers, "Show everyone's scores|Click to show everyone's scores");
  SetHint(Image11, "Show everyone's scores|Click to show everyone's scores");
  SetHint(RadioButtonThisPlayer, "Show just your scores|Click to show just your scores");
  SetHint(Image1, "Show just your scores|Click to show just your scores");
  SetHint(LabelPlayerName, "Your name");
  SetHint(Image2, "Show Matching|Click to show scores just for games matching the current settings.");
  SetHint(TrackBarMatchSpec,
          "<-- Match current / Show more -->|Shows games matching the current New Game settings");
  SetHint(Image3, "Show All|Click to show scores for all game settings.");

  setTabOrder(RadioButtonAllPlayers, RadioButtonThisPlayer);
  setTabOrder(RadioButtonThisPlayer, TrackBarMatchSpec);

  // A radio button acts when it becomes checked, not when a checked one is
  // clicked again; the pictures beside them check them.
  connect(RadioButtonAllPlayers, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetShowPlayerOnly(false);
  });
  connect(RadioButtonThisPlayer, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetShowPlayerOnly(true);
  });
  connect(allPlayers, &TClickablePicture::Clicked, this, [this] { RadioButtonAllPlayers->setChecked(true); });
  connect(thisPlayer, &TClickablePicture::Clicked, this, [this] { RadioButtonThisPlayer->setChecked(true); });
  connect(narrow, &TClickablePicture::Clicked, this, [this] { TrackBarMatchSpec->setValue(TrackBarMatchSpec->minimum()); });
  connect(wide, &TClickablePicture::Clicked, this, [this] { TrackBarMatchSpec->setValue(TrackBarMatchSpec->maximum()); });
  connect(TrackBarMatchSpec, &QSlider::valueChanged, this, [this] { PaintScores(); });
}
