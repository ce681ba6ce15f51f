#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include "scores/ui/ScoreScreen.h"
#include "ui/ScreenCanvas.h"
#include "scores/ui/ScoreHeadWidgets.h"
#include "scores/ui/ScoreTable.h"
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

TScoreScreen::TScoreScreen(QWidget* window, IScreenCanvas& canvas)
    : TScoreHeadPanel(window), FCanvas(canvas) {
  setGeometry(0, canvas.ToolbarPixelHeight(), window->width(), TScoreHeadPanel::PanelHeight);
  CreateControls();
  FTable = new TScoreTable(*this, window);
  FTable->FollowLayout();
  Connect();
}

void TScoreScreen::setVisible(bool visible) {
  TScoreHeadPanel::setVisible(visible);
  if (FTable) FTable->setVisible(visible);
}

// A screen reader names the slider by what it does and how far it reaches.
void TScoreScreen::NameMatchSlider() {
  const int level = TrackBarMatchSpec->value();
  const int top = TrackBarMatchSpec->maximum();
  QString name;
  if (level <= TrackBarMatchSpec->minimum()) {
    //: The score screen's slider, for a screen reader: at its left end it
    //: lists only the games played with the new game's current settings.
    name = tr("Games listed: matching the current settings");
  } else if (level >= top) {
    //: At its right end the slider lists the games of every setting.
    name = tr("Games listed: all settings");
  } else {
    //: Between its ends: how loosely listed games must match, %1 of %2 steps.
    name = tr("Games listed: match level %1 of %2").arg(level).arg(top);
  }
  TrackBarMatchSpec->setAccessibleName(name);
}

// The strip above the table: whose scores (everyone's or this player's),
// the player's name, and how closely listed games must match the current
// settings (from a narrow disc, exact match, to a wide one, all games).
void TScoreScreen::CreateControls() {
  RadioButtonAllPlayers = MakeFilterButton(this);
  Image11 = new TClickablePicture(pic_TwoPeople, this);
  RadioButtonThisPlayer = MakeFilterButton(this);
  Image1 = new TClickablePicture(pic_OnePerson, this);
  LabelPlayerName = MakeNameLabel(this);
  QFrame* bevel6 = MakeEtchedLine(this, QFrame::VLine);
  Image2 = new TClickablePicture(pic_MatchNarrow, this);
  TrackBarMatchSpec = MakeMatchSlider(this);
  Image3 = new TClickablePicture(pic_MatchWide, this);
  QFrame* bevel2 = MakeEtchedLine(this, QFrame::HLine);
  const std::pair<QObject*, const char*> parts[] = {
      {RadioButtonAllPlayers, "RadioButtonAllPlayers"}, {Image11, "Image11"},
      {RadioButtonThisPlayer, "RadioButtonThisPlayer"}, {Image1, "Image1"},
      {LabelPlayerName, "LabelPlayerName"},             {Image2, "Image2"},
      {TrackBarMatchSpec, "TrackBarMatchSpec"},         {Image3, "Image3"},
  };
  for (const auto& [part, name] : parts) part->setObjectName(QLatin1StringView(name));

  Place(RadioButtonAllPlayers, {12, 5, 16, 29}, false);
  Place(Image11, {28, 5, 33, 25}, false);
  Place(RadioButtonThisPlayer, {72, 5, 16, 29}, false);
  Place(Image1, {88, 5, 17, 25}, false);
  Place(LabelPlayerName, {107, 4, 202, 32}, false, true);
  Place(bevel6, {315, 0, 2, 37}, true);
  Place(Image2, {320, 3, 32, 32}, true);
  Place(TrackBarMatchSpec, {351, 9, 90, 22}, true);
  Place(Image3, {441, 3, 32, 32}, true);
  Place(bevel2, {0, TScoreHeadPanel::PanelHeight - 2, TScoreHeadPanel::DesignWidth, 2}, false, true);

  SetHint(RadioButtonAllPlayers, tr("Show everyone's scores|Click to show everyone's scores"));
  SetHint(Image11, tr("Show everyone's scores|Click to show everyone's scores"));
  SetHint(RadioButtonThisPlayer, tr("Show just your scores|Click to show just your scores"));
  SetHint(Image1, tr("Show just your scores|Click to show just your scores"));
  SetHint(LabelPlayerName, tr("Your name"));
  SetHint(Image2, tr("Show Matching|Click to show scores just for games matching the current settings."));
  SetHint(TrackBarMatchSpec,
          tr("<-- Match current / Show more -->|Shows games matching the current New Game settings"));
  SetHint(Image3, tr("Show All|Click to show scores for all game settings."));

  setTabOrder(RadioButtonAllPlayers, RadioButtonThisPlayer);
  setTabOrder(RadioButtonThisPlayer, TrackBarMatchSpec);
  // The radio buttons show no caption: a screen reader names them by their tips.
  RadioButtonAllPlayers->setAccessibleName(RadioButtonAllPlayers->toolTip());
  RadioButtonThisPlayer->setAccessibleName(RadioButtonThisPlayer->toolTip());
  NameMatchSlider();
}

// A radio button acts when it becomes checked, not when a checked one is
// clicked again; the pictures beside them check them.
void TScoreScreen::Connect() {
  connect(RadioButtonAllPlayers, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetShowPlayerOnly(false);
  });
  connect(RadioButtonThisPlayer, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetShowPlayerOnly(true);
  });
  connect(Image11, &TClickablePicture::Clicked, this, [this] { RadioButtonAllPlayers->setChecked(true); });
  connect(Image1, &TClickablePicture::Clicked, this, [this] { RadioButtonThisPlayer->setChecked(true); });
  connect(Image2, &TClickablePicture::Clicked, this, [this] { TrackBarMatchSpec->setValue(TrackBarMatchSpec->minimum()); });
  connect(Image3, &TClickablePicture::Clicked, this, [this] { TrackBarMatchSpec->setValue(TrackBarMatchSpec->maximum()); });
  connect(TrackBarMatchSpec, &QSlider::valueChanged, this, [this] {
    NameMatchSlider();
    Paint();
  });
  connect(FTable, &TScoreTable::SelectionMoveRequested, this, &TScoreScreen::MoveSelection);
  connect(FTable, &TScoreTable::ChallengeRequested, this, &TScoreScreen::ChallengeSelection);
}
