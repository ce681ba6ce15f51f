#include "settings/ui/DlgNewGame.h"
#include <array>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include "patterns/Pattern.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/Format.h"
#include "settings/SizeTable.h"
#include "settings/ui/DlgNewGameLayout.h"
#include "ui/ClickablePicture.h"
#include "ui/Cp1252.h"
#include "ui/Hints.h"

// The settings' setters and the controls' handlers. A setter that moves its
// slider runs the slider's change handler, which calls the same setter again
// before the outer call has finished; each setter is written so that the
// outer call then completes in the same state, whichever way it was reached.

namespace {
const QString Placeholder = "x";

bool ShowsPlaceholder(const QLabel* label) { return label->text() == Placeholder; }

QString Percent(std::int64_t setting) {
  // Densities are counts per 500: a fifth of the value, in tenths, is twice it.
  return QString::fromStdString(FormatTenths(2 * setting)) + "%";
}

QString Tenths(std::int64_t setting) { return QString::fromStdString(FormatTenths(setting)); }

// A radio button of an exclusive pair refuses to be unchecked directly;
// unchecking it from code leaves its partner unchecked too, as the setters
// expect, and runs no handler.
void SetRadioChecked(QRadioButton* button, bool checked) {
  if (button->isChecked() == checked) return;
  if (checked) {
    button->setChecked(true);
    return;
  }
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

struct TQuickSetting {
  int MinePopulation, Holes, SizePosition, Linking, CellSize;
};

// The ten levels, from a small plain field to a large one full of shaped and
// linked cells. A cell size of 0 lands on the slider's least value.
constexpr std::array<TQuickSetting, 10> QuickSettings = {{
    {40, 0, 1, 0, 0},
    {65, 0, 2, 0, 0},
    {80, 10, 3, 0, 0},
    {55, 0, 3, 0, 20},
    {75, 3, 5, 0, 50},
    {75, 3, 5, 10, 50},
    {60, 3, 5, 30, 20},
    {65, 3, 5, 30, 40},
    {70, 3, 6, 37, 60},
    {80, 5, 8, 50, 60},
}};

using DlgNewGameLayout::CompactGroupHeight;
using DlgNewGameLayout::ExpandedGroupHeight;
}  // namespace

void TDlgNewGame::SetMinePopulation(int value) {
  if (value == FMinePopulation && !ShowsPlaceholder(LabelMinePopulation)) return;
  TrackBarMinePopulation->setValue(value);
  LabelMinePopulation->setText(Percent(value));
  //: The sliders' names for a screen reader carry their values: here the
  //: mines' share of the minefield, as "16.0%".
  TrackBarMinePopulation->setAccessibleName(tr("Mines, %1").arg(Percent(value)));
  FMinePopulation = value;
  emit SettingsChanged();
}

void TDlgNewGame::SetHoles(int value) {
  if (value == FHoles && !ShowsPlaceholder(LabelHoles)) return;
  TrackBarHoles->setValue(value);
  LabelHoles->setText(Percent(value));
  //: The holes' share of the minefield, as "5.0%".
  TrackBarHoles->setAccessibleName(tr("Holes, %1").arg(Percent(value)));
  FHoles = value;
  emit SettingsChanged();
}

void TDlgNewGame::SetCellSize(int value) {
  if (value == FCellSize && !ShowsPlaceholder(LabelCellSize)) return;
  TrackBarCellSize->setValue(value);
  LabelCellSize->setText(Tenths(value));
  //: The setting of shaped cells, as "3.5".
  TrackBarCellSize->setAccessibleName(tr("Shaped cells, %1").arg(Tenths(value)));
  FCellSize = value;
  emit SettingsChanged();
}

void TDlgNewGame::SetLinking(int value) {
  if (value == FLinking && !ShowsPlaceholder(LabelLinking)) return;
  TrackBarLinking->setValue(value);
  LabelLinking->setText(Tenths(value));
  //: The setting of linked cells, as "9.0".
  TrackBarLinking->setAccessibleName(tr("Linked cells, %1").arg(Tenths(value)));
  FLinking = value;
  emit SettingsChanged();
}

void TDlgNewGame::SetSizeX(int value) {
  FSizeX = value;
  emit SettingsChanged();
  ShowSize();
}

void TDlgNewGame::SetSizeY(int value) {
  FSizeY = value;
  emit SettingsChanged();
  ShowSize();
}

// The slider's position means nothing to a listener; its name says the size.
void TDlgNewGame::ShowSize() {
  LabelMinefieldSize->setText(QString("%1 x %2").arg(FSizeX).arg(FSizeY));
  //: The minefield's size in squares: %1 columns by %2 rows.
  TrackBarMinefieldSize->setAccessibleName(tr("Minefield size, %1 by %2").arg(FSizeX).arg(FSizeY));
}

void TDlgNewGame::SetShapeRandom(bool value) {
  SetRadioChecked(RadioShapeRandom, value);
  FShapeRandom = value;
  emit SettingsChanged();
  for (QWidget* control : std::initializer_list<QWidget*>{ImageCellSizeLow, ImageCellSizeHi,
                                                          TrackBarCellSize, LabelCellSize})
    control->setVisible(value);
  LabelPatternName->setVisible(!value);
  LabelPatternDesc->setVisible(!value);
  SetRadioChecked(RadioShapePattern, !value);
  btnChoosePattern->setVisible(!value);
}

void TDlgNewGame::SetTimedGame(bool value) {
  CheckBoxTimedGame->setChecked(value);
  TrackBarTimedGame->setEnabled(value);
  ImageTimedSlow->setVisible(value);
  ImageTimedFast->setVisible(value);
  TrackBarTimedGame->setVisible(value);
  FTimedGame = value;
  emit SettingsChanged();
}

void TDlgNewGame::SetGameSpeed(int value) {
  if (value == FGameSpeed) return;
  FGameSpeed = value;
  emit SettingsChanged();
  TrackBarTimedGame->setValue(value);
  //: The difficulty of a timed game: %1 of at most %2 (20).
  TrackBarTimedGame->setAccessibleName(
      tr("Difficulty of a timed game, %1 of %2").arg(value).arg(TrackBarTimedGame->maximum()));
}

void TDlgNewGame::SetGameType(int value) {
  if (value == FGameType) return;
  FGameType = value;
  // A type excludes the features it does not have.
  switch (value) {
    case 0:
      TrackBarLinking->setValue(TrackBarLinking->minimum());
      TrackBarCellSize->setValue(TrackBarCellSize->minimum());
      break;
    case 1:
      TrackBarLinking->setValue(TrackBarLinking->minimum());
      break;
    case 2:
      TrackBarCellSize->setValue(TrackBarCellSize->minimum());
      break;
    default:
      break;
  }
}

void TDlgNewGame::SetPatternID(int value) {
  FPatternID = value;
  emit SettingsChanged();
  // A fresh, empty record that no file can be mistaken for: the lookup
  // leaves it as it is when no pattern has the number.
  TTess pattern;
  pattern.RegNo = std::int64_t(value) + 1;
  pattern.Name.clear();
  pattern.Author.clear();
  FindPattern(value, pattern);
  const bool found = pattern.RegNo == value;
  LabelPatternName->setText(found ? FromCp1252(pattern.Name) : QString());
  LabelPatternDesc->setText(found ? FromCp1252(pattern.Description) : QString());
}

void TDlgNewGame::SetDlgCompact(bool value) {
  GroupCustom->setFixedHeight(value ? CompactGroupHeight : ExpandedGroupHeight);
  ButtonCompact->setIcon(PictureIcon(value ? pic_TriangleRight : pic_TriangleDown));
  SetHint(ButtonCompact, value ? tr("More options|Click to show more game options")
                               : tr("Hide options|Click to hide advanced game options"));
  ButtonCompact->setAccessibleName(ButtonCompact->toolTip());
  // Every row but the size row goes to the bottom of the stack in turn, so
  // that shown rows always read size, mine population, holes, shapes, linking.
  for (QWidget* row : {RowMinePopulation, RowHoles, RowShapes, RowLinking}) {
    row->setVisible(!value);
    CustomStack->removeWidget(row);
    CustomStack->addWidget(row);
  }
  CustomStack->activate();
  PlaceBottomBar();
  FDlgCompact = value;
}

int TDlgNewGame::HolesThreshold() const { return FHolesThreshold; }
int TDlgNewGame::ShapeThreshold() const { return FShapeThreshold; }
int TDlgNewGame::LinkThreshold() const { return FLinkThreshold; }

void TDlgNewGame::UpdateGameType() {
  const bool linked = FLinking > FLinkThreshold;
  const bool shaped = FCellSize > FShapeThreshold;
  if (linked && shaped)
    SetGameType(3);
  else if (shaped)
    SetGameType(1);
  else if (linked)
    SetGameType(2);
  else
    SetGameType(0);
}

void TDlgNewGame::TrackBarMinefieldSizeChange() {
  const TFieldSize size = SizeAtPosition(TrackBarMinefieldSize->value());
  SetSizeY(size.Rows);
  SetSizeX(size.Columns);
}

void TDlgNewGame::TrackBarMinePopulationChange() { SetMinePopulation(TrackBarMinePopulation->value()); }

void TDlgNewGame::TrackBarHolesChange() { SetHoles(TrackBarHoles->value()); }

void TDlgNewGame::TrackBarLinkingChange() {
  SetLinking(TrackBarLinking->value());
  UpdateGameType();
}

void TDlgNewGame::TrackBarCellSizeChange() {
  SetCellSize(TrackBarCellSize->value());
  UpdateGameType();
}

void TDlgNewGame::TrackBarTimedGameChange() { SetGameSpeed(TrackBarTimedGame->value()); }

void TDlgNewGame::ImageLinkLoClick() { SetLinking(TrackBarLinking->minimum()); }

void TDlgNewGame::ImageCellSizeLowClick() { SetCellSize(TrackBarCellSize->minimum()); }

void TDlgNewGame::Image9Click() { SetHoles(TrackBarHoles->minimum()); }

void TDlgNewGame::ImageTimedClick() { CheckBoxTimedGame->toggle(); }

void TDlgNewGame::CheckBoxTimedGameClick() { SetTimedGame(CheckBoxTimedGame->isChecked()); }

void TDlgNewGame::ImageRandomClick() { RadioShapeRandom->setChecked(true); }

void TDlgNewGame::ImagePatternClick() { RadioShapePattern->setChecked(true); }

void TDlgNewGame::RadioShapeRandomClick() { SetShapeRandom(RadioShapeRandom->isChecked()); }

void TDlgNewGame::RadioShapePatternClick() { SetShapeRandom(RadioShapeRandom->isChecked()); }

void TDlgNewGame::ButtonCompactClick() { SetDlgCompact(!FDlgCompact); }

void TDlgNewGame::ButtonQuickStartClick(int number) {
  if (number < 1 || number > int(QuickSettings.size())) return;
  const TQuickSetting& level = QuickSettings[number - 1];
  SetMinePopulation(level.MinePopulation);
  SetHoles(level.Holes);
  TrackBarMinefieldSize->setValue(level.SizePosition);
  TrackBarLinking->setValue(level.Linking);
  TrackBarCellSize->setValue(level.CellSize);
  ComboLinkPattern->setCurrentIndex(0);
  SetShapeRandom(true);
}

void TDlgNewGame::btnChoosePatternClick() {
  TPatternDlg* chooser = FPatternChooser ? FPatternChooser() : nullptr;
  if (!chooser || chooser->ShowModal() != QDialog::Accepted) return;
  LabelPatternName->setText(FromCp1252(chooser->ChosenPattern->Name));
  LabelPatternDesc->setText(FromCp1252(chooser->ChosenPattern->Description));
  SetPatternID(chooser->SelectedRegNo);
}
