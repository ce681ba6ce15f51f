#include "settings/ui/DlgNewGame.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QSlider>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include "settings/NewGameStart.h"
#include "settings/ui/DlgNewGameLayout.h"
#include "settings/ui/FittedLabel.h"
#include "settings/ui/NameEdit.h"
#include "ui/ClickablePicture.h"
#include "ui/Hints.h"
#include "ui/ModalSeams.h"

// Construction and layout of the dialog. The dialog is 240 pixels wide and
// laid out at fixed positions like the rest of the game's windows; only the
// custom group grows and shrinks, by showing or hiding its rows.

namespace {
using namespace DlgNewGameLayout;
constexpr int SliderLength = 90;
constexpr int SliderHeight = 26;
// Columns of a slider row: low picture, slider, high picture, value label.
constexpr int LowPictureX = 26;
constexpr int SliderX = 52;
constexpr int HighPictureX = SliderX + SliderLength + 2;
constexpr int ValueLabelX = HighPictureX + 26;
constexpr int ValueLabelWidth = RowWidth - ValueLabelX - 2;
constexpr int MaxTypedNameLength = 14;

QSlider* MakeSlider(QWidget* row, const char* name, int least, int greatest, int lineStep,
                    int pageStep, int tickEvery, int position, int y) {
  auto* slider = new QSlider(Qt::Horizontal, row);
  slider->setObjectName(name);
  slider->setRange(least, greatest);
  slider->setSingleStep(lineStep);
  slider->setPageStep(pageStep);
  slider->setTickInterval(tickEvery);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setValue(position);
  slider->setGeometry(SliderX, y, SliderLength, SliderHeight);
  return slider;
}

TClickablePicture* MakePicture(QWidget* parent, const char* name, TPicture picture, int x, int y) {
  auto* image = new TClickablePicture(picture, parent);
  image->setObjectName(name);
  image->move(x, y);
  return image;
}

QLabel* MakeValueLabel(QWidget* row, const char* name, const char* placeholder, int y,
                       Qt::Alignment alignment) {
  auto* label = new QLabel(placeholder, row);
  label->setObjectName(name);
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setGeometry(ValueLabelX, y, ValueLabelWidth, 16);
  return label;
}

// The compact button: flat, showing its triangle at the full size of the
// button as the symbol font's triangles did, over the usual raised panel
// while the pointer is on it.
class TCompactButton : public QToolButton {
 public:
  using QToolButton::QToolButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (option.state & (QStyle::State_MouseOver | QStyle::State_Sunken))
      painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, rect(), Qt::AlignCenter, mode);
  }
};

// A quick setting button. Its Alt+digit acts at once, like a click: a
// button's own shortcut only starts an animated click that completes a
// tenth of a second later, and an OK pressed within that time would start
// the game without the chosen level.
class TQuickButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
      click();
      return true;
    }
    return QPushButton::event(event);
  }
};

QWidget* MakeRow(QWidget* parent, const char* name, int height) {
  auto* row = new QWidget(parent);
  row->setObjectName(name);
  row->setFixedSize(RowWidth, height);
  return row;
}

QLabel* MakeWrappedLabel(QWidget* row, const char* name, const QRect& geometry) {
  auto* label = new TFittedLabel(row);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(geometry);
  return label;
}
}  // namespace

TDlgNewGame::TDlgNewGame(TModalSeams& seams, QWidget* parent) : QDialog(parent), Seams(seams) {
  setObjectName("DlgNewGame");
  setWindowTitle(tr("New Game"));
  QFont font("Tahoma");
  font.setPointSize(8);
  setFont(font);
  CreateGameGroup();
  CreateQuickGroup();
  CreateCustomGroup();
  CreateBottomBar();
  ConnectHandlers();
  FormCreate();
}

TDlgNewGame::~TDlgNewGame() = default;

void TDlgNewGame::CreateGameGroup() {
  GroupGame = new QGroupBox(tr(" &Game "), this);
  GroupGame->setObjectName("GroupGame");
  GroupGame->setGeometry(GroupLeft, GameGroupTop, GroupWidth, GameGroupHeight);

  const QString nameHint =
      tr("Enter your name here|Enter your name here. Names from previous games will appear here.");
  LabelPlayerName = new QLabel(tr("Player &Name"), GroupGame);
  LabelPlayerName->setObjectName("LabelPlayerName");
  LabelPlayerName->setGeometry(8, 24, 74, 20);
  SetHint(LabelPlayerName, nameHint);

  ComboBoxName = new QComboBox(GroupGame);
  ComboBoxName->setObjectName("ComboBoxName");
  ComboBoxName->setEditable(true);
  ComboBoxName->setLineEdit(new TNameEdit(MaxTypedNameLength, ComboBoxName));
  ComboBoxName->setInsertPolicy(QComboBox::NoInsert);
  // After the editor: the box gives a new editor a completer of its own.
  ComboBoxName->setCompleter(nullptr);
  ComboBoxName->setGeometry(GroupWidth - 8 - 140, 22, 140, 24);
  SetHint(ComboBoxName, nameHint);
  LabelPlayerName->setBuddy(ComboBoxName);
  //: The name box's field, for a screen reader.
  ComboBoxName->lineEdit()->setAccessibleName(tr("Player name"));
  //: The name box's list of the names of earlier games, for a screen reader.
  ComboBoxName->view()->setAccessibleName(tr("Saved names"));

  const QString timedHint =
      tr("Timed Game?|Activate for a timed game. Timed Game: The game ends when time runs out.");
  CheckBoxTimedGame = new QCheckBox(GroupGame);
  CheckBoxTimedGame->setObjectName("CheckBoxTimedGame");
  CheckBoxTimedGame->setAccessibleName(tr("Timed game"));
  CheckBoxTimedGame->setGeometry(8, 58, 20, 20);
  SetHint(CheckBoxTimedGame, timedHint);
  ImageTimed = MakePicture(GroupGame, "ImageTimed", pic_Timed, 30, 56);
  SetHint(ImageTimed, timedHint);

  ImageTimedSlow = MakePicture(GroupGame, "ImageTimedSlow", pic_TimedSlow, 60, 56);
  TrackBarTimedGame = MakeSlider(GroupGame, "TrackBarTimedGame", 0, 20, 1, 10, 10, NewGameStart::GameSpeed, 55);
  TrackBarTimedGame->move(86, 55);
  SetHint(TrackBarTimedGame, tr("<-- Allows more time / Allows less time -->|Set the difficulty of a timed game"));
  ImageTimedFast = MakePicture(GroupGame, "ImageTimedFast", pic_TimedFast, 86 + SliderLength + 2, 56);
}

void TDlgNewGame::CreateQuickGroup() {
  GroupQuick = new QGroupBox(tr(" Quick Settings "), this);
  GroupQuick->setObjectName("GroupQuick");
  GroupQuick->setGeometry(GroupLeft, QuickGroupTop, GroupWidth, QuickGroupHeight);
  SetHint(GroupQuick, tr("Select a level here. High numbers are more difficult."));
  ImageBrain = MakePicture(GroupQuick, "ImageBrain", pic_Brain, 8, 24);
  SetHint(ImageBrain, tr("Select a level here. High numbers are more difficult."));

  constexpr int buttonWidth = 18, buttonPitch = 19, firstButtonX = 36;
  for (int i = 0; i < 10; ++i) {
    const int number = i + 1;
    const QString caption = number < 10 ? QString("&%1").arg(number) : QString("1&0");
    auto* button = new TQuickButton(caption, GroupQuick);
    button->setObjectName(QString("ButtonQuickStart%1").arg(number));
    button->setGeometry(firstButtonX + i * buttonPitch, 23, buttonWidth, 26);
    button->setAutoDefault(false);
    // The caption is a digit alone; a screen reader says what it is.
    //: The quick settings' buttons, for a screen reader: level %1 of 1 to 10.
    button->setAccessibleName(tr("Quick setting %1").arg(number));
    ButtonQuickStart[i] = button;
  }
  SetHint(ButtonQuickStart[0], tr("Beginner|Discover how the Standard Game works."));
}

void TDlgNewGame::CreateCustomGroup() {
  GroupCustom = new QGroupBox(tr(" Custom Game "), this);
  GroupCustom->setObjectName("GroupCustom");
  GroupCustom->setGeometry(GroupLeft, CustomGroupTop, GroupWidth, CompactGroupHeight);
  SetHint(GroupCustom, tr("|Change the game options"));
  CustomStack = new QVBoxLayout(GroupCustom);
  CustomStack->setContentsMargins(2, 0, 2, 0);
  CustomStack->setSpacing(0);
  CustomStack->setAlignment(Qt::AlignTop);
  RowSize = CreateSizeRow();
  RowMinePopulation = CreateMinePopulationRow();
  RowHoles = CreateHolesRow();
  RowShapes = CreateShapesRow();
  RowLinking = CreateLinkingRow();
  for (QWidget* row : {RowSize, RowMinePopulation, RowHoles, RowShapes, RowLinking})
    CustomStack->addWidget(row);
}

QWidget* TDlgNewGame::CreateSizeRow() {
  QWidget* row = MakeRow(GroupCustom, "RowSize", SizeRowHeight);
  ButtonCompact = new TCompactButton(row);
  ButtonCompact->setObjectName("ButtonCompact");
  ButtonCompact->setAutoRaise(true);
  ButtonCompact->setGeometry(4, 10, 18, 18);
  ButtonCompact->setIconSize(PictureSize(pic_TriangleRight));
  ImageSizeLo = MakePicture(row, "ImageSizeLo", pic_SizeLo, LowPictureX, 7);
  TrackBarMinefieldSize = MakeSlider(row, "TrackBarMinefieldSize", 0, 16, 1, 1, 16, 1, 6);
  SetHint(TrackBarMinefieldSize,
          tr("<-- Smaller minefield / Larger minefield -->|Change the size of the minefield"));
  ImageSizeHi = MakePicture(row, "ImageSizeHi", pic_SizeHi, HighPictureX, 7);
  LabelMinefieldSize = MakeValueLabel(row, "LabelMinefieldSize", "111 x 11", 11, Qt::AlignHCenter);
  return row;
}

QWidget* TDlgNewGame::CreateMinePopulationRow() {
  QWidget* row = MakeRow(GroupCustom, "RowMinePopulation", SingleRowHeight);
  ImageMinePopLo = MakePicture(row, "ImageMinePopLo", pic_MinePopLo, LowPictureX, 3);
  TrackBarMinePopulation = MakeSlider(row, "TrackBarMinePopulation", 0, 200, 1, 10, 50, 0, 2);
  SetHint(TrackBarMinePopulation,
          tr("<-- Less mines / More mines -->|Change the number of mines in the minefield"));
  ImageMinePopHi = MakePicture(row, "ImageMinePopHi", pic_MinePopHi, HighPictureX, 3);
  LabelMinePopulation = MakeValueLabel(row, "LabelMinePopulation", "x", 7, Qt::AlignRight);
  return row;
}

QWidget* TDlgNewGame::CreateHolesRow() {
  QWidget* row = MakeRow(GroupCustom, "RowHoles", SingleRowHeight);
  Image9 = MakePicture(row, "Image9", pic_HolesLo, LowPictureX, 3);
  SetHint(Image9, tr("Click the image for  'No holes'"));
  TrackBarHoles = MakeSlider(row, "TrackBarHoles", NewGameStart::LeastHoles, 100, 5, 20, 25, 10, 2);
  SetHint(TrackBarHoles, tr("<-- Less holes / More holes -->|Change the number of holes in the minefield"));
  ImageHolesHi = MakePicture(row, "ImageHolesHi", pic_HolesHi, HighPictureX, 3);
  LabelHoles = MakeValueLabel(row, "LabelHoles", "x", 7, Qt::AlignRight);
  return row;
}

QWidget* TDlgNewGame::CreateShapesRow() {
  QWidget* row = MakeRow(GroupCustom, "RowShapes", DoubleRowHeight);
  const QString randomHint = tr("Random shapes");
  const QString patternHint = tr("Regular shapes|Click the '...' button to select a pattern.");
  RadioShapeRandom = new QRadioButton(row);
  RadioShapeRandom->setObjectName("RadioShapeRandom");
  RadioShapeRandom->setAccessibleName(tr("Random shapes"));
  RadioShapeRandom->setGeometry(4, 5, 20, 20);
  SetHint(RadioShapeRandom, randomHint);
  ImageRandom = MakePicture(row, "ImageRandom", pic_Random, 24, 3);
  SetHint(ImageRandom, randomHint);

  RadioShapePattern = new QRadioButton(row);
  RadioShapePattern->setObjectName("RadioShapePattern");
  RadioShapePattern->setAccessibleName(tr("Regular shapes"));
  RadioShapePattern->setGeometry(56, 5, 20, 20);
  SetHint(RadioShapePattern, patternHint);
  ImagePattern = MakePicture(row, "ImagePattern", pic_Pattern, 76, 3);
  SetHint(ImagePattern, patternHint);

  btnChoosePattern = new QPushButton("...", row);
  btnChoosePattern->setObjectName("btnChoosePattern");
  btnChoosePattern->setGeometry(104, 4, 26, 22);
  btnChoosePattern->setAutoDefault(false);
  SetHint(btnChoosePattern, tr("Select Pattern..."));
  //: The "..." button beside the pattern's name, for a screen reader.
  btnChoosePattern->setAccessibleName(tr("Select pattern"));
  LabelPatternName = MakeWrappedLabel(row, "LabelPatternName", QRect(134, 0, RowWidth - 136, 30));

  ImageCellSizeLow = MakePicture(row, "ImageCellSizeLow", pic_CellSizeLow, LowPictureX, 33);
  SetHint(ImageCellSizeLow, tr("Click the image for  'No shaped cells'"));
  TrackBarCellSize = MakeSlider(row, "TrackBarCellSize", NewGameStart::LeastCellSize, 90, 5, 20, 22, 10, 32);
  SetHint(TrackBarCellSize,
          tr("<-- Less shaped cells / More shaped cells -->|Change the number of shaped cells"));
  ImageCellSizeHi = MakePicture(row, "ImageCellSizeHi", pic_CellSizeHi, HighPictureX, 33);
  LabelCellSize = MakeValueLabel(row, "LabelCellSize", "x", 37, Qt::AlignRight);
  LabelPatternDesc = MakeWrappedLabel(row, "LabelPatternDesc", QRect(LowPictureX, 30, RowWidth - LowPictureX - 2, 30));
  return row;
}

QWidget* TDlgNewGame::CreateLinkingRow() {
  QWidget* row = MakeRow(GroupCustom, "RowLinking", DoubleRowHeight);
  ImageLinkLo = MakePicture(row, "ImageLinkLo", pic_LinkLo, LowPictureX, 3);
  SetHint(ImageLinkLo, tr("Click the image for  'No linked mines'"));
  TrackBarLinking = MakeSlider(row, "TrackBarLinking", NewGameStart::LeastLinking, 90, 5, 20, 25, 10, 2);
  SetHint(TrackBarLinking,
          tr("<-- Less linked cells / More linked cells -->|Change the number of cells that are linked"));
  ImageLinkHi = MakePicture(row, "ImageLinkHi", pic_LinkHi, HighPictureX, 3);
  LabelLinking = MakeValueLabel(row, "LabelLinking", "x", 7, Qt::AlignRight);

  ImageLinkPattern = MakePicture(row, "ImageLinkPattern", pic_LinkPattern, LowPictureX, 33);
  ComboLinkPattern = new QComboBox(row);
  ComboLinkPattern->setObjectName("ComboLinkPattern");
  ComboLinkPattern->addItems({tr("Random linking"), tr("Linked Halves"), tr("Linked Thirds"), tr("Linked Quarters")});
  ComboLinkPattern->setGeometry(SliderX, 33, RowWidth - SliderX - 24, 24);
  // Only random linking exists so far: the list shows what is to come.
  ComboLinkPattern->setEnabled(false);
  //: The box of how linked cells are laid out, for a screen reader.
  ComboLinkPattern->setAccessibleName(tr("Linking pattern"));
  //: The same box's list.
  ComboLinkPattern->view()->setAccessibleName(tr("Linking patterns"));
  return row;
}

void TDlgNewGame::CreateBottomBar() {
  BottomBar = new QWidget(this);
  BottomBar->setObjectName("BottomBar");
  auto* line = new QFrame(BottomBar);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(0, 0, ClientWidth, 2);
  constexpr int buttonWidth = 75, buttonHeight = 25, margin = 8, gap = 6;
  const int buttonY = (BottomBarHeight - buttonHeight) / 2 + 1;
  CancelBtn = new QPushButton(tr("Cancel"), BottomBar);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(ClientWidth - margin - buttonWidth, buttonY, buttonWidth, buttonHeight);
  OKBtn = new QPushButton(tr("OK"), BottomBar);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setGeometry(CancelBtn->x() - gap - buttonWidth, buttonY, buttonWidth, buttonHeight);
  OKBtn->setDefault(true);
}

void TDlgNewGame::PlaceBottomBar() {
  const int top = GroupCustom->geometry().bottom() + 1;
  BottomBar->setGeometry(0, top, ClientWidth, BottomBarHeight);
  setFixedSize(ClientWidth, top + BottomBarHeight);
}

void TDlgNewGame::ConnectHandlers() {
  connect(TrackBarMinefieldSize, &QSlider::valueChanged, this, [this] { TrackBarMinefieldSizeChange(); });
  connect(TrackBarMinePopulation, &QSlider::valueChanged, this, [this] { TrackBarMinePopulationChange(); });
  connect(TrackBarHoles, &QSlider::valueChanged, this, [this] { TrackBarHolesChange(); });
  connect(TrackBarLinking, &QSlider::valueChanged, this, [this] { TrackBarLinkingChange(); });
  connect(TrackBarCellSize, &QSlider::valueChanged, this, [this] { TrackBarCellSizeChange(); });
  connect(TrackBarTimedGame, &QSlider::valueChanged, this, [this] { TrackBarTimedGameChange(); });
  // The check box's handler runs on every change of its state; a radio
  // button's only when it becomes checked.
  connect(CheckBoxTimedGame, &QCheckBox::toggled, this, [this] { CheckBoxTimedGameClick(); });
  connect(RadioShapeRandom, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioShapeRandomClick(); });
  connect(RadioShapePattern, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioShapePatternClick(); });
  ImageLinkLo->ShowHandCursor();
  connect(ImageLinkLo, &TClickablePicture::Clicked, this, [this] { ImageLinkLoClick(); });
  ImageCellSizeLow->ShowHandCursor();
  connect(ImageCellSizeLow, &TClickablePicture::Clicked, this, [this] { ImageCellSizeLowClick(); });
  Image9->ShowHandCursor();
  connect(Image9, &TClickablePicture::Clicked, this, [this] { Image9Click(); });
  ImageTimed->ShowHandCursor();
  connect(ImageTimed, &TClickablePicture::Clicked, this, [this] { ImageTimedClick(); });
  ImageRandom->ShowHandCursor();
  connect(ImageRandom, &TClickablePicture::Clicked, this, [this] { ImageRandomClick(); });
  ImagePattern->ShowHandCursor();
  connect(ImagePattern, &TClickablePicture::Clicked, this, [this] { ImagePatternClick(); });
  connect(btnChoosePattern, &QPushButton::clicked, this, [this] { btnChoosePatternClick(); });
  connect(ButtonCompact, &QToolButton::clicked, this, [this] { ButtonCompactClick(); });
  for (int i = 0; i < 10; ++i)
    connect(ButtonQuickStart[i], &QPushButton::clicked, this, [this, i] { ButtonQuickStartClick(i + 1); });
  ComboBoxName->installEventFilter(this);
  ComboBoxName->lineEdit()->installEventFilter(this);
  // OK saves before the dialog closes with the result OK, whatever the
  // saving met on its way.
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    OKBtnClick();
    accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}
