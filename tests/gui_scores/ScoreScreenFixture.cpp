#include "ScoreScreenFixture.h"
#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QFile>
#include <QMouseEvent>
#include "about/ui/AboutBox.h"
#include "patterns/ui/PatternDlg.h"
#include "scores/ScoreLayout.h"
#include "scores/ScoreTable.h"
#include "settings/ui/DlgNewGame.h"

TGameRecord ListedGame(const std::string& name, std::int32_t score) {
  TGameRecord game;
  game.SetPlayerName(name);
  game.Score = score;
  game.Clock = 1234;
  game.SizeX = 15;
  game.SizeY = 15;
  game.MinePopulation = 40;
  game.Holes = 0;
  game.CellSize = 10;
  game.Linking = 0;
  game.ShapeThreshold = 10;
  return game;
}

void WriteScores(const std::vector<TGameRecord>& records) {
  QByteArray all;
  for (const TGameRecord& record : records) all += RecordBytes(record);
  WriteWholeFile(ScoresFile, all);
}

QByteArray ScoresBytes() { return ReadWholeFile(ScoresFile); }
QByteArray LastGameBytes() { return ReadWholeFile("LastGame.dat"); }

void ClickWidget(QWidget* widget) {
  const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

void ScoreScreen::SetUp() {
  WorkDir = std::make_unique<TTempWorkDir>();
  WorkDir->CopyShippedPatterns();
  Seams.ExecDialog = [this](QDialog& dialog) {
    ++DialogsShown;
    if (&dialog != Dialog) return int(QDialog::Rejected);
    NameWhenShown = Dialog->CurrentName();
    SizeXWhenShown = Dialog->SizeX();
    // OK does what the player's OK does: the dialog saves its settings.
    if (!AcceptDialog) return int(QDialog::Rejected);
    Dialog->OKBtnClick();
    return int(QDialog::Accepted);
  };
  Seams.AskWarningYesNo = [this](QWidget*, const QString& text) {
    ++WarningsAsked;
    LastWarning = text;
    return AnswerYes;
  };
  Seams.ShowInformation = [](QWidget*, const QString&) {};
  Seams.ShowError = [](QWidget*, const QString&) {};

  Windows = std::make_unique<TGameWindows>(Seams);

  Main = &Windows->MainForm();

  Dialog = &Windows->DlgNewGame();

  About = &Windows->AboutBox();

  Patterns = &Windows->PatternDlg();
  Main->show();
  ResizeClient(478, 511);
}

void ScoreScreen::TearDown() {
  Main = nullptr;
  Dialog = nullptr;
  About = nullptr;
  Patterns = nullptr;
  Windows.reset();
  WorkDir.reset();
}

void ScoreScreen::ResizeClient(int width, int height) {
  Main->resize(width, height);
  QApplication::processEvents();
  Repaint();
}

void ScoreScreen::Repaint() { Main->FormPaint(); }

void ScoreScreen::HoverRow(int row) {
  const TScoreLayout layout = Main->ScoreLayout();
  Main->FormMouseMove(Main->width() / 2, RowTop(layout, row) + layout.RowHeight / 2);
}

void ScoreScreen::StartGameThroughDialog() {
  AcceptDialog = true;
  Main->BtnNewGameClick();
  AcceptDialog = false;
  ASSERT_TRUE(Main->GameActive());
}

void ScoreScreen::SetDialogTo(const TGameRecord& record) {
  Dialog->SetTimedGame(record.Timed());
  Dialog->SetGameSpeed(record.GameSpeed);
  Dialog->SetSizeX(record.SizeX);
  Dialog->SetSizeY(record.SizeY);
  Dialog->SetMinePopulation(record.MinePopulation);
  Dialog->SetHoles(record.Holes);
  Dialog->SetLinking(record.Linking);
  Dialog->SetCellSize(record.CellSize);
  Dialog->SetShapeRandom(!record.UsesPattern());
}

namespace {
bool IsDark(QRgb pixel) { return qGray(pixel) < 96; }
// Anything clearly apart from the button face: ink of either colour.
bool IsInk(QRgb pixel, QRgb background) {
  return std::abs(qGray(pixel) - qGray(background)) > 24;
}
}  // namespace

int ScoreScreen::CountDark(const QRect& area) const {
  const QImage& image = Main->CanvasImage();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.valid(x, y) && IsDark(image.pixel(x, y))) ++count;
  return count;
}

int ScoreScreen::CountColour(const QRect& area, QRgb colour) const {
  const QImage& image = Main->CanvasImage();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
  return count;
}

int ScoreScreen::FirstInkX(const QRect& band) const {
  const QImage& image = Main->CanvasImage();
  const QRgb background = Main->palette().color(QPalette::Button).rgb();
  for (int x = band.left(); x <= band.right(); ++x)
    for (int y = band.top(); y <= band.bottom(); ++y)
      if (image.valid(x, y) && IsInk(image.pixel(x, y), background)) return x;
  return -1;
}

int ScoreScreen::LastInkX(const QRect& band) const {
  const QImage& image = Main->CanvasImage();
  const QRgb background = Main->palette().color(QPalette::Button).rgb();
  for (int x = band.right(); x >= band.left(); --x)
    for (int y = band.top(); y <= band.bottom(); ++y)
      if (image.valid(x, y) && IsInk(image.pixel(x, y), background)) return x;
  return -1;
}

// The pixels of one row's texts: from just below its separator line to just
// above the next one.
QRect ScoreScreen::RowBand(int row) const {
  const TScoreLayout layout = Main->ScoreLayout();
  const int separator = layout.RowHeight / 6;
  const int top = RowTop(layout, row) - separator + 1;
  return QRect(0, top, Main->width(), layout.RowHeight - 2);
}
