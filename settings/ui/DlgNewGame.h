#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>
#include <QString>
#include <QStringList>
#include "settings/GameRecord.h"
#include "settings/GameSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;
class QVBoxLayout;
class QWidget;
class TClickablePicture;
class TPatternDlg;
struct TModalSeams;

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
  TDlgNewGame(TModalSeams& seams, QWidget* parent = nullptr);
  ~TDlgNewGame() override;

  // Where "Choose" gets the chooser it opens: the program builds it when it
  // is first wanted. None: the button opens nothing.
  void SetPatternChooser(std::function<TPatternDlg*()> chooser) { FPatternChooser = std::move(chooser); }
  // The window the dialog (and an error box raised before it shows) is
  // centred on when it opens; none: left in place.
  void SetOwnerWindow(QWidget* owner) { FOwnerWindow = owner; }

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

  // The dialog's settings as they stand, and the dialog set to settings (as
  // the player would set them, in the order a stored record is applied),
  // brought first into the range the game can play.
  TGameSettings Settings() const;
  void SetSettings(const TGameSettings& settings);
  // The record OK saves: the settings, every other byte zero.
  TGameRecord BuildRecord() const { return Settings().ToRecord(); }
  void SaveLastGame(const TGameRecord& record);
  void LoadLastGame(TGameRecord& dest);

  void FormShow();
  void OKBtnClick();

  // Change handlers of the sliders: moving a slider from code acts as the
  // player moving it.
  void TrackBarMinefieldSizeChange();
  void TrackBarMinePopulationChange();
  void TrackBarHolesChange();
  void TrackBarLinkingChange();
  void TrackBarCellSizeChange();
  void TrackBarTimedGameChange();
  // Click handlers.
  void ImageLinkLoClick();
  void ImageCellSizeLowClick();
  void Image9Click();
  void ImageTimedClick();
  void CheckBoxTimedGameClick();
  void ImageRandomClick();
  void ImagePatternClick();
  void RadioShapeRandomClick();
  void RadioShapePatternClick();
  void btnChoosePatternClick();
  void ButtonCompactClick();
  // Quick setting 1..10.
  void ButtonQuickStartClick(int number);
  void ButtonQuickStart1Click() { ButtonQuickStartClick(1); }
  // The name box lost the focus: the typed name becomes the current name.
  void ComboBoxNameExit();
  // Derives GameType from the linking and shaped-cells settings.
  void UpdateGameType();

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
  TModalSeams& Seams;
  std::function<TPatternDlg*()> FPatternChooser;
  QWidget* FOwnerWindow = nullptr;
  QString FCurrentName;
  int FSizeX = 0, FSizeY = 0, FMinePopulation = 0, FHoles = 0, FCellSize = 0, FLinking = 0;
  bool FShapeRandom = false;
  int FPatternID = 0;
  bool FTimedGame = false;
  int FGameSpeed = 0;
  int FGameType = 0;
  bool FDlgCompact = false;
  int FHolesThreshold = 0, FShapeThreshold = 0, FLinkThreshold = 0;
  // The saved names as the file holds them (Windows-1252 bytes), in the
  // order of the name box's list.
  std::vector<std::string> FSavedNames;

  QGroupBox* GroupGame = nullptr;
  QGroupBox* GroupQuick = nullptr;
  QLabel* LabelPlayerName = nullptr;
  QWidget* BottomBar = nullptr;
  // The custom group's rows, stacked from the top.
  QVBoxLayout* CustomStack = nullptr;
  QWidget* RowSize = nullptr;
  QWidget* RowMinePopulation = nullptr;
  QWidget* RowHoles = nullptr;
  QWidget* RowShapes = nullptr;
  QWidget* RowLinking = nullptr;
  // The pictures; the clickable ones have click handlers above.
  TClickablePicture* ImageTimed = nullptr;
  TClickablePicture* ImageTimedSlow = nullptr;
  TClickablePicture* ImageTimedFast = nullptr;
  TClickablePicture* ImageBrain = nullptr;
  TClickablePicture* ImageSizeLo = nullptr;
  TClickablePicture* ImageSizeHi = nullptr;
  TClickablePicture* ImageMinePopLo = nullptr;
  TClickablePicture* ImageMinePopHi = nullptr;
  TClickablePicture* ImageLinkLo = nullptr;
  TClickablePicture* ImageLinkHi = nullptr;
  TClickablePicture* ImageLinkPattern = nullptr;
  TClickablePicture* ImageRandom = nullptr;
  TClickablePicture* ImagePattern = nullptr;
  TClickablePicture* ImageCellSizeLow = nullptr;
  TClickablePicture* ImageCellSizeHi = nullptr;
  TClickablePicture* Image9 = nullptr;
  TClickablePicture* ImageHolesHi = nullptr;

  // Construction (DlgNewGame.cpp).
  void CreateGameGroup();
  void CreateQuickGroup();
  void CreateCustomGroup();
  QWidget* CreateSizeRow();
  QWidget* CreateMinePopulationRow();
  QWidget* CreateHolesRow();
  QWidget* CreateShapesRow();
  QWidget* CreateLinkingRow();
  void CreateBottomBar();
  void ConnectHandlers();
  void FormCreate();
  void PlaceBottomBar();
  void CentreOnOwnerWindow();
  // Names (DlgNewGameNames.cpp).
  bool ReloadSavedNames();
  bool SaveTypedName();
  void FillNameList();
  void ReportFileError(const QString& format, const char* fileName);
  // The size slider's position for the stored SizeX.
  void PlaceSizeSliderForSizeX();
  void ShowSize();

 signals:
  // The long part of the hint under the pointer, for the main window's
  // status bar.
  void HintShown(const QString& hint);
  // One of the settings (the name included) has changed.
  void SettingsChanged();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};
