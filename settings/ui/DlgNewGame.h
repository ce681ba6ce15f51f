#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>
#include "settings/GameRecord.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;
struct TForms;

// The modal "New Game" dialog: the player's name, the clock, ten quick
// settings and the custom minefield settings. A setting takes effect the
// moment its control changes; OK saves them to LastGame.dat.
class TDlgNewGame : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString CurrentName READ CurrentName)
  Q_PROPERTY(int SizeX READ SizeX)
  Q_PROPERTY(int SizeY READ SizeY)
  Q_PROPERTY(int MinePopulation READ MinePopulation)
  Q_PROPERTY(int Holes READ Holes)
  Q_PROPERTY(int CellSize READ CellSize)
  Q_PROPERTY(int Linking READ Linking)
  Q_PROPERTY(bool ShapeRandom READ ShapeRandom)
  Q_PROPERTY(int PatternID READ PatternID)
  Q_PROPERTY(bool TimedGame READ TimedGame)
  Q_PROPERTY(int GameSpeed READ GameSpeed)
  Q_PROPERTY(int GameType READ GameType)
  Q_PROPERTY(bool DlgCompact READ DlgCompact)

 public:
  TDlgNewGame(TForms& forms, QWidget* parent = nullptr);
  ~TDlgNewGame() override;

  // FormShow, then the dialog runs modally through the program's seam.
  int ShowModal();

  QString CurrentName() const { return FCurrentName; }
  void SetCurrentName(const QString& value);
  int SizeX() const { return FSizeX; }
  void SetSizeX(int value);
  int SizeY() const { return FSizeY; }
  void SetSizeY(int value);
  int MinePopulation() const { return FMinePopulation; }
  void SetMinePopulation(int value);
  int Holes() const { return FHoles; }
  void SetHoles(int value);
  int CellSize() const { return FCellSize; }
  void SetCellSize(int value);
  int Linking() const { return FLinking; }
  void SetLinking(int value);
  bool ShapeRandom() const { return FShapeRandom; }
  void SetShapeRandom(bool value);
  int PatternID() const { return FPatternID; }
  void SetPatternID(int value);
  bool TimedGame() const { return FTimedGame; }
  void SetTimedGame(bool value);
  int GameSpeed() const { return FGameSpeed; }
  void SetGameSpeed(int value);
  int GameType() const { return FGameType; }
  void SetGameType(int value);
  bool DlgCompact() const { return FDlgCompact; }
  void SetDlgCompact(bool value);

  // The least values of the three feature sliders: a feature is on when its
  // setting exceeds them.
  int HolesThreshold() const;
  int ShapeThreshold() const;
  int LinkThreshold() const;

  // The record OK saves: the settings, every other byte zero.
  TGameRecord BuildRecord() const;
  void SaveLastGame(const TGameRecord& record);
  void LoadLastGame(TGameRecord& dest);

  void FormShow();
  void OKBtnClick();

  // Controls, reachable for the score screen's column heads and for tests.
  QComboBox* ComboBoxName = nullptr;
  QCheckBox* CheckBoxTimedGame = nullptr;
  QSlider* TrackBarTimedGame = nullptr;
  QSlider* TrackBarMinefieldSize = nullptr;
  QSlider* TrackBarMinePopulation = nullptr;
  QSlider* TrackBarLinking = nullptr;
  QSlider* TrackBarCellSize = nullptr;
  QSlider* TrackBarHoles = nullptr;
  QLabel* LabelMinefieldSize = nullptr;
  QLabel* LabelMinePopulation = nullptr;
  QLabel* LabelLinking = nullptr;
  QLabel* LabelCellSize = nullptr;
  QLabel* LabelHoles = nullptr;
  QLabel* LabelPatternName = nullptr;
  QLabel* LabelPatternDesc = nullptr;
  QRadioButton* RadioShapeRandom = nullptr;
  QRadioButton* RadioShapePattern = nullptr;
  QPushButton* btnChoosePattern = nullptr;
  QToolButton* ButtonCompact = nullptr;
  QComboBox* ComboLinkPattern = nullptr;
  QGroupBox* GroupCustom = nullptr;
  QPushButton* ButtonQuickStart[10] = {};
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  TForms& Forms;
  QString FCurrentName;
  int FSizeX = 0, FSizeY = 0, FMinePopulation = 0, FHoles = 0, FCellSize = 0, FLinking = 0;
  bool FShapeRandom = false;
  int FPatternID = 0;
  bool FTimedGame = false;
  int FGameSpeed = 0;
  int FGameType = 0;
  bool FDlgCompact = false;
  // Further members of the dialog follow.
};
