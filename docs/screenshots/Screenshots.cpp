// Takes the README's pictures of the real game: builds the program's windows
// as it does, headless, plays scripted games with a fixed seed and saves what
// the player would see at each step as a PNG.
//
//   quorlane-screenshots OUTPUT_FOLDER PATTERN_LIBRARY
//
// It plays in a fresh temporary folder, so no player's files are touched.
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include "about/ui/AboutBox.h"
#include "about/ui/AppIcon.h"
#include "board/Board.h"
#include "board/Random.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "patterns/ui/PatternDlg.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/ModalSeams.h"

namespace {

// A game as the player sets it up with the dialog's sliders.
struct TSetup {
  const char* Name = "Ada";
  int SizePosition = 1;
  int MinePopulation = 40;
  int Holes = 0;
  int Linking = 0;
  int CellSize = 10;
  int PatternRow = -1;  // a row of the pattern chooser, or a random shape
  bool Timed = false;
};

class TScreenshots {
 public:
  TScreenshots(QString output) : Output(std::move(output)) {}
  ~TScreenshots();
  bool Run();

 private:
  void CreateWindows();
  int AnswerDialog(QDialog& dialog);
  void ShowMessage(QWidget* parent, const QString& text);
  void ApplySetup(TDlgNewGame& dialog, const TSetup& setup);

  void StartGame(const TSetup& setup, std::function<void(TDlgNewGame&)> whileShown = {});
  void Uncover(int count);
  void MarkMines(int count);
  void Win();
  void Lose();
  void Ticks(int count);
  void ShowAHint();

  QPoint CentreOf(int column, int row) const;
  void Click(Qt::MouseButton button, int column, int row);
  std::vector<std::pair<int, int>> CellsWhere(const std::function<bool(const TAreaProperties&)>& wanted) const;

  static void Settle(QWidget& widget);
  bool Save(const QImage& picture, const char* name);
  bool SaveWindow(QWidget& window, const char* name) { Settle(window); return Save(window.grab().toImage(), name); }

  QString Output;
  bool Ok = true;
  TModalSeams Seams = TModalSeams::Real();
  std::unique_ptr<TGameWindows> Windows;
  TMainForm* Main = nullptr;
  TDlgNewGame* Dialog = nullptr;
  TAboutBox* About = nullptr;
  TPatternDlg* Patterns = nullptr;
  std::mt19937 Rng{20240601};

  // What the dialog's next showing does; with none, the player cancels.
  std::function<bool(TDlgNewGame&)> NextAnswer;
  // What the pattern chooser's next showing does.
  std::function<void(TPatternDlg&)> WhileChoosing;
  // The next message box is photographed over the window under this name.
  const char* MessagePicture = nullptr;
};

TScreenshots::~TScreenshots() = default;

void TScreenshots::CreateWindows() {
  Seams.ExecDialog = [this](QDialog& dialog) { return AnswerDialog(dialog); };
  Seams.ShowInformation = [this](QWidget* parent, const QString& text) { ShowMessage(parent, text); };
  Seams.AskWarningYesNo = [](QWidget*, const QString&) { return true; };
  Seams.ShowError = [this](QWidget*, const QString& text) {
    std::fprintf(stderr, "quorlane-screenshots: the game reported: %s\n", qPrintable(text));
    Ok = false;
  };
  Windows = std::make_unique<TGameWindows>(Seams);
  Main = &Windows->MainForm();
  Dialog = &Windows->DlgNewGame();
  About = &Windows->AboutBox();
  Patterns = &Windows->PatternDlg();
  // A little wider than the game's first size, so that the score table's
  // columns have room.
  Main->resize(600, 560);
  Main->show();
  Settle(*Main);
}

// Lets the window system and the game's timers catch up, as between two of
// the player's moves.
void TScreenshots::Settle(QWidget& widget) {
  widget.update();
  for (int round = 0; round < 3; ++round) QApplication::processEvents();
}

int TScreenshots::AnswerDialog(QDialog& dialog) {
  if (&dialog == Patterns) {
    Patterns->show();
    Settle(*Patterns);
    if (WhileChoosing) WhileChoosing(*Patterns);
    WhileChoosing = nullptr;
    Patterns->setResult(QDialog::Rejected);
    Patterns->OKBtn->click();
    Patterns->hide();
    return Patterns->result();
  }
  if (&dialog != Dialog) return QDialog::Rejected;
  const auto answer = std::move(NextAnswer);
  NextAnswer = nullptr;
  // The real buttons, so that OK saves what the player's OK saves.
  QPushButton* button = answer && answer(*Dialog) ? Dialog->OKBtn : Dialog->CancelBtn;
  Dialog->setResult(QDialog::Rejected);
  button->click();
  Dialog->hide();
  return Dialog->result();
}

// The box the game shows, over the window it belongs to, as the player sees
// them together.
void TScreenshots::ShowMessage(QWidget* parent, const QString& text) {
  if (!MessagePicture) return;
  const char* name = MessagePicture;
  MessagePicture = nullptr;
  QString shown = text;
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Information, QString(), shown, QMessageBox::Ok, parent);
  box.show();
  Settle(box);
  Settle(*Main);
  QImage picture = Main->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage message = box.grab().toImage();
  // Headless there is no window manager: the box gets a plain title bar
  // with the application's name, as a desktop would give it.
  constexpr int TitleHeight = 24;
  QPainter painter(&picture);
  const QRect body(QPoint((picture.width() - message.width()) / 2,
                          (picture.height() - message.height() + TitleHeight) / 2),
                   message.size());
  const QRect title(body.left(), body.top() - TitleHeight, body.width(), TitleHeight);
  const QRect frame = title.united(body);
  for (int shadow = 6; shadow > 0; --shadow)
    painter.fillRect(frame.translated(shadow, shadow), QColor(0, 0, 0, 14));
  painter.fillRect(title, QColor(222, 222, 222));
  painter.setPen(QColor(40, 40, 40));
  QFont font = box.font();
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(title, Qt::AlignCenter, QApplication::applicationName());
  painter.drawImage(body.topLeft(), message);
  painter.setPen(QColor(90, 90, 90));
  painter.drawRect(frame.adjusted(-1, -1, 0, 0));
  painter.end();
  Save(picture, name);
  box.hide();
}

void TScreenshots::ApplySetup(TDlgNewGame& dialog, const TSetup& setup) {
  dialog.SetCurrentName(QString::fromLatin1(setup.Name));
  dialog.ComboBoxName->setEditText(QString::fromLatin1(setup.Name));
  dialog.CheckBoxTimedGame->setChecked(setup.Timed);
  dialog.SetTimedGame(setup.Timed);
  dialog.TrackBarMinefieldSize->setValue(setup.SizePosition);
  dialog.TrackBarMinePopulation->setValue(setup.MinePopulation);
  dialog.TrackBarHoles->setValue(setup.Holes);
  dialog.TrackBarLinking->setValue(setup.Linking);
  dialog.TrackBarCellSize->setValue(setup.CellSize);
  if (setup.PatternRow < 0) {
    dialog.RadioShapeRandom->setChecked(true);
    return;
  }
  dialog.RadioShapePattern->setChecked(true);
  const int row = setup.PatternRow;
  auto previous = std::move(WhileChoosing);
  WhileChoosing = [row, previous](TPatternDlg& chooser) {
    QTreeWidget& list = *chooser.ListViewPatterns;
    if (row < list.topLevelItemCount()) list.setCurrentItem(list.topLevelItem(row));
    if (previous) previous(chooser);
  };
  dialog.btnChoosePattern->click();
}

void TScreenshots::StartGame(const TSetup& setup, std::function<void(TDlgNewGame&)> whileShown) {
  NextAnswer = [this, setup, whileShown](TDlgNewGame& dialog) {
    ApplySetup(dialog, setup);
    if (whileShown) whileShown(dialog);
    return true;
  };
  // The player's way in: the toolbar's new game button, found by its name.
  Main->findChild<QToolButton*>(QStringLiteral("BtnNewGame"))->click();
  if (!Main->GameActive() || !Main->Board()) {
    std::fprintf(stderr, "quorlane-screenshots: the game for %s did not start\n", setup.Name);
    Ok = false;
  }
  Settle(*Main);
}

QPoint TScreenshots::CentreOf(int column, int row) const {
  const TBoard& board = *Main->Board();
  return {(board.ColumnLeft(column) + board.ColumnRight(column)) / 2,
          (board.RowTop(row) + board.RowBottom(row)) / 2};
}

void TScreenshots::Click(Qt::MouseButton button, int column, int row) {
  const QPointF at(CentreOf(column, row));
  QMouseEvent press(QEvent::MouseButtonPress, at, Main->mapToGlobal(at), button, button, Qt::NoModifier);
  QApplication::sendEvent(Main, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, Main->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(Main, &release);
}

std::vector<std::pair<int, int>> TScreenshots::CellsWhere(
    const std::function<bool(const TAreaProperties&)>& wanted) const {
  std::vector<std::pair<int, int>> cells;
  if (!Main->Board()) return cells;
  const TBoard& board = *Main->Board();
  for (int column = 1; column <= board.SizeX(); ++column)
    for (int row = 1; row <= board.SizeY(); ++row)
      if (const TAreaProperties* area = board.AreaAt(column, row); area && wanted(*area))
        cells.emplace_back(column, row);
  return cells;
}

// Uncovers safe areas at random, as a careful player would.
void TScreenshots::Uncover(int count) {
  for (int i = 0; i < count && Main->GameActive(); ++i) {
    const auto cells = CellsWhere([](const TAreaProperties& a) { return !a.Mine && !a.Hole && !a.Uncovered && !a.Marked; });
    if (cells.empty()) return;
    const auto [column, row] = cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(Rng)];
    Click(Qt::LeftButton, column, row);
    Ticks(7);
  }
}

void TScreenshots::MarkMines(int count) {
  for (int i = 0; i < count && Main->GameActive(); ++i) {
    const auto cells = CellsWhere([](const TAreaProperties& a) { return a.Mine && !a.Marked; });
    if (cells.empty()) return;
    const auto [column, row] = cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(Rng)];
    Click(Qt::RightButton, column, row);
    Ticks(5);
  }
}

// Marks every mine area: the game is won when they, and only they, are marked.
void TScreenshots::Win() {
  Uncover(3);
  while (Main->GameActive()) {
    const auto cells = CellsWhere([](const TAreaProperties& a) { return a.Mine && !a.Marked; });
    if (cells.empty()) break;
    Click(Qt::RightButton, cells.front().first, cells.front().second);
    Ticks(3);
  }
}

// One safe uncover (the first is always spared), then a mine.
void TScreenshots::Lose() {
  Uncover(4);
  const auto cells = CellsWhere([](const TAreaProperties& a) { return a.Mine && !a.Marked; });
  if (!cells.empty() && Main->GameActive()) Click(Qt::LeftButton, cells.front().first, cells.front().second);
}

// A hint some moves into a game: the first uncover at the field's centre
// (the first Space shows the cursor there), a few safe areas more, then
// hints, each area hinted played as the hint says, until one frames a safe
// area that more than one number proves.
void TScreenshots::ShowAHint() {
  Main->PlayAtFieldCursor(ca_Uncover);
  Main->PlayAtFieldCursor(ca_Uncover);
  Uncover(6);
  for (int hints = 0; hints < 40 && Main->GameActive(); ++hints) {
    Main->MenuHintClick();
    const QString said = Main->findChild<QLabel*>(QStringLiteral("StatusBar"))->text();
    const bool safe = said.endsWith(QStringLiteral("is safe"));
    if (safe && Main->Board()->ProofAreas().size() > 1) break;
    if (!safe && !said.endsWith(QStringLiteral("holds a mine"))) break;
    Main->PlayAtFieldCursor(safe ? ca_Uncover : ca_Mark);
    Ticks(2);
  }
  Ticks(3);
}

void TScreenshots::Ticks(int count) {
  for (int i = 0; i < count && Main->GameActive(); ++i) Main->Tick();
}

bool TScreenshots::Save(const QImage& picture, const char* name) {
  const QString path = QDir(Output).filePath(QString::fromLatin1(name) + ".png");
  if (picture.isNull() || !picture.save(path, "PNG")) {
    std::fprintf(stderr, "quorlane-screenshots: could not write %s\n", qPrintable(path));
    Ok = false;
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool TScreenshots::Run() {
  CreateWindows();
  // After the windows, which seed from the clock: the same pictures each time.
  RandSeed(20240601);

  // A few players' games, won and lost, fill the score table.
  const TSetup games[] = {
      {"Ada", 1, 40, 0, 0, 10},  {"Brook", 2, 65, 0, 0, 10}, {"Ada", 3, 80, 10, 0, 10},
      {"Cyd", 3, 55, 0, 0, 30},  {"Dana", 5, 75, 3, 10, 50}, {"Brook", 1, 40, 0, 0, 10, -1, true},
      {"Emil", 4, 60, 3, 30, 20}, {"Ada", 5, 70, 3, 0, 40},  {"Cyd", 2, 50, 0, 0, 10, 2},
      {"Dana", 6, 70, 5, 37, 60}, {"Emil", 2, 65, 0, 0, 10, -1, true}, {"Brook", 4, 60, 0, 0, 10, 7},
      {"Fen", 3, 55, 0, 0, 20},  {"Ada", 1, 40, 0, 0, 10, 0}, {"Fen", 5, 75, 3, 10, 50},
  };
  int played = 0;
  for (const TSetup& setup : games) {
    StartGame(setup);
    if (played++ % 3 == 2)
      Lose();
    else
      Win();
  }

  // A won game's message, over the field it ends.
  StartGame({"Ada", 2, 45, 0, 0, 10});
  MessagePicture = "won";
  Win();

  // The score screen, filled.
  if (Main->ScreenShown() != ss_Scores) Main->MenuViewClick();
  Settle(*Main);
  SaveWindow(*Main, "scores");

  // The new game dialog, expanded, set up for a shaped and linked field.
  const TSetup shaped{"Ada", 5, 70, 10, 40, 50};
  StartGame(shaped, [this](TDlgNewGame& dialog) {
    if (dialog.DlgCompact()) dialog.ButtonCompact->click();
    dialog.show();
    SaveWindow(dialog, "new-game");
  });
  Uncover(3);
  MarkMines(3);
  SaveWindow(*Main, "random-field");

  StartGame({"Ada", 3, 50, 0, 0, 10});
  Uncover(10);
  MarkMines(5);
  SaveWindow(*Main, "plain-field");

  // A pattern, picked in the chooser.
  WhileChoosing = [this](TPatternDlg& chooser) { SaveWindow(chooser, "pattern-chooser"); };
  StartGame({"Ada", 4, 60, 0, 0, 10, 5});
  Uncover(10);
  MarkMines(4);
  SaveWindow(*Main, "pattern-field");

  // A hint, on a field with No Guessing on.
  Main->findChild<QAction*>(QStringLiteral("NoGuess1"))->trigger();
  StartGame({"Ada", 3, 60, 0, 0, 20});
  ShowAHint();
  SaveWindow(*Main, "hint");
  return Ok;
}

bool CopyPatterns(const QString& library, const QString& folder) {
  QDir().mkpath(folder);
  const QStringList names = QDir(library).entryList({"*.tes"}, QDir::Files);
  for (const QString& name : names)
    if (!QFile::copy(QDir(library).filePath(name), QDir(folder).filePath(name))) return false;
  return !names.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorlane-screenshots OUTPUT_FOLDER PATTERN_LIBRARY\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  QApplication::setQuitOnLastWindowClosed(false);
  InstallApplicationIdentity();

  const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  const QString library = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  QTemporaryDir work;
  if (!QDir().mkpath(output) || !work.isValid() || !CopyPatterns(library, work.filePath("Patterns"))) {
    std::fprintf(stderr, "quorlane-screenshots: cannot prepare the folders\n");
    return 1;
  }
  QDir::setCurrent(work.path());
  TScreenshots screenshots(output);
  return screenshots.Run() ? 0 : 1;
}
