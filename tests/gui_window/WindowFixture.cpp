#include "WindowFixture.h"
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include "board/Random.h"
#include "scores/ScoreTable.h"
#include "support/WindowParts.h"

void WindowTest::SetUp() {
  QApplication::setQuitOnLastWindowClosed(false);
  WorkDir = std::make_unique<TTempWorkDir>();
  WorkDir->CopyShippedPatterns();
  AnswerDialog = [](TDlgNewGame&) { return false; };

  Seams.ExecDialog = [this](QDialog& dialog) {
    ++DialogsShown;
    if (&dialog != Dialog) return int(QDialog::Rejected);
    if (WhileDialogShown) WhileDialogShown();
    // The real buttons, so that OK saves what the player's OK saves.
    QPushButton* button = AnswerDialog(*Dialog) ? Dialog->OKBtn : Dialog->CancelBtn;
    Dialog->setResult(QDialog::Rejected);
    button->click();
    return Dialog->result();
  };
  Seams.ShowInformation = [this](QWidget*, const QString& text) {
    Messages.push_back(text);
    if (WhileMessageShown) WhileMessageShown();
  };
  Seams.AskWarningYesNo = [this](QWidget*, const QString& text) {
    Warnings.push_back(text);
    return AnswerYes;
  };
  Seams.ShowError = [](QWidget*, const QString&) {};
  CreateWindows();
}

void WindowTest::TearDown() {
  DestroyWindows();
  WorkDir.reset();
}

void WindowTest::CreateWindows() {
  DestroyWindows();
  Windows = std::make_unique<TGameWindows>(Seams);
  Main = &Windows->MainForm();
  Dialog = &Windows->DlgNewGame();
  About = &Windows->AboutBox();
  Patterns = &Windows->PatternDlg();
  Main->show();
}

void WindowTest::DestroyWindows() {
  Main = nullptr;
  Dialog = nullptr;
  About = nullptr;
  Patterns = nullptr;
  Windows.reset();
}

void WindowTest::ApplySettings(TDlgNewGame& dialog, const TFieldSettings& settings) {
  dialog.SetCurrentName(settings.Name);
  dialog.SetTimedGame(settings.Timed);
  dialog.SetGameSpeed(settings.GameSpeed);
  dialog.SetSizeX(settings.Columns);
  dialog.SetSizeY(settings.Rows);
  dialog.SetMinePopulation(settings.MinePopulation);
  dialog.SetHoles(settings.Holes);
  dialog.SetCellSize(settings.CellSize);
  dialog.SetLinking(settings.Linking);
  dialog.SetShapeRandom(true);
}

std::function<bool(TDlgNewGame&)> WindowTest::ChooseSettings(const TFieldSettings& settings) {
  return [settings](TDlgNewGame& dialog) {
    ApplySettings(dialog, settings);
    return true;
  };
}

void WindowTest::StartGame(const TFieldSettings& settings) {
  const auto previous = AnswerDialog;
  AnswerDialog = ChooseSettings(settings);
  BtnNewGame(Main)->click();
  AnswerDialog = previous;
  ASSERT_TRUE(Main->GameActive());
  ASSERT_TRUE(Main->Board());
}

void WindowTest::StartSeededGame(const TFieldSettings& settings, std::uint64_t seed) {
  RandSeed(seed);
  StartGame(settings);
}

QPoint WindowTest::CentreOf(TCell cell) const {
  const TBoard& board = *Main->Board();
  return QPoint((board.ColumnLeft(cell.Column) + board.ColumnRight(cell.Column)) / 2,
                (board.RowTop(cell.Row) + board.RowBottom(cell.Row)) / 2);
}

namespace {
void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  const QPointF local(at);
  QMouseEvent event(type, local, widget->mapToGlobal(local), button,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}
}  // namespace

void WindowTest::Press(Qt::MouseButton button, QPoint at) {
  SendMouse(Main, QEvent::MouseButtonPress, button, at);
}

void WindowTest::Release(Qt::MouseButton button, QPoint at) {
  SendMouse(Main, QEvent::MouseButtonRelease, button, at);
}

void WindowTest::Click(Qt::MouseButton button, TCell cell) {
  Press(button, cell);
  Release(button, cell);
}

void WindowTest::MoveTo(QPoint at) { SendMouse(Main, QEvent::MouseMove, Qt::NoButton, at); }

void WindowTest::Key(int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(Main, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(Main, &release);
}

void WindowTest::FieldKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  QWidget* target = Main->focusWidget() ? Main->focusWidget() : Main;
  QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
  QApplication::sendEvent(target, &release);
}

TCell WindowTest::CursorCell() const { return {Main->Game().Cursor().Column(), Main->Game().Cursor().Row()}; }

void WindowTest::GoTo(TCell cell) {
  if (!Main->Game().Cursor().Shown()) FieldKey(Qt::Key_Home);
  FieldKey(Qt::Key_Home);
  FieldKey(Qt::Key_PageUp);
  for (int c = 1; c < cell.Column; ++c) FieldKey(Qt::Key_Right);
  for (int r = 1; r < cell.Row; ++r) FieldKey(Qt::Key_Down);
  ASSERT_EQ(CursorCell().Column, cell.Column);
  ASSERT_EQ(CursorCell().Row, cell.Row);
}

void WindowTest::LayMinesOn(const std::vector<TCell>& mines) {
  TBoard& board = *Main->Board();
  std::vector<std::uint8_t> laid(board.Areas().size(), 0);
  for (const TCell mine : mines) laid[board.AreaNumberAt(mine.Column, mine.Row)] = 1;
  board.LayMines(laid);
}

const TAreaProperties* WindowTest::AreaOf(TCell cell) const {
  return Main->Board()->AreaAt(cell.Column, cell.Row);
}

std::vector<TCell> WindowTest::Cells(
    const std::function<bool(const TAreaProperties&)>& wanted) const {
  std::vector<TCell> found;
  const TBoard& board = *Main->Board();
  for (int column = 1; column <= board.SizeX(); ++column)
    for (int row = 1; row <= board.SizeY(); ++row)
      if (const TAreaProperties* area = board.AreaAt(column, row); area && wanted(*area))
        found.push_back({column, row});
  return found;
}

TCell WindowTest::FirstCell(const std::function<bool(const TAreaProperties&)>& wanted) const {
  const std::vector<TCell> found = Cells(wanted);
  EXPECT_FALSE(found.empty()) << "no such cell on the field";
  return found.empty() ? TCell{1, 1} : found.front();
}

TCell WindowTest::AMine() const {
  return FirstCell([](const TAreaProperties& a) { return a.Mine && !a.Marked; });
}

TCell WindowTest::ACoveredSafeArea() const {
  return FirstCell(CoveredSafe);
}

std::vector<TCell> WindowTest::OneCellPerMine() const {
  std::vector<TCell> cells;
  std::vector<const TAreaProperties*> seen;
  for (TCell cell : Cells([](const TAreaProperties& a) { return a.Mine; })) {
    const TAreaProperties* area = AreaOf(cell);
    if (std::find(seen.begin(), seen.end(), area) != seen.end()) continue;
    seen.push_back(area);
    cells.push_back(cell);
  }
  return cells;
}

int WindowTest::CountAreas(const std::function<bool(const TAreaProperties&)>& wanted) const {
  int count = 0;
  for (const auto& area : Main->Board()->Areas())
    if (wanted(*area)) ++count;
  return count;
}

QByteArray WindowTest::ScoresBytes() const { return ReadWholeFile(ScoresFile); }

int WindowTest::RecordsInScores() const { return int(ScoresBytes().size() / GameRecordSize); }

TGameRecord WindowTest::LastScore() const {
  const QByteArray bytes = ScoresBytes();
  EXPECT_GE(bytes.size(), qsizetype(GameRecordSize));
  if (bytes.size() < qsizetype(GameRecordSize)) return {};
  return DecodeRecord(reinterpret_cast<const std::uint8_t*>(bytes.constData()) +
                      (bytes.size() / GameRecordSize - 1) * GameRecordSize);
}
