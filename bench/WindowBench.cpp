#include <benchmark/benchmark.h>

#include <memory>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>

#include "bench/BenchApplication.h"
#include "board/Random.h"
#include "game/ui/GameScreen.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/ModalSeams.h"

namespace {

// The main window playing the largest field, 147 x 98 squares with shaped
// cells, at a large window size, in a working directory of its own.
class TGameRig {
 public:
  TGameRig() {
    Windows.Seams.ExecDialog = [this](QDialog&) {
      TDlgNewGame& dialog = Windows.Dialog();
      dialog.SetSizeX(147);
      dialog.SetSizeY(98);
      dialog.SetMinePopulation(80);
      dialog.SetCellSize(40);
      dialog.SetShapeRandom(true);
      dialog.OKBtnClick();
      return int(QDialog::Accepted);
    };
    Windows.Seams.ShowInformation = [](QWidget*, const QString&) {};
    Windows.Show(1200, 900);
    RandSeed(2024);
    Windows.Main().BtnNewGameClick();
  }
  TMainForm& Window() { return Windows.Main(); }

 private:
  TBenchWindows Windows;
};

// One tick of a running game with an area hovered: the clock, the prompts
// and the pulse of the hovered area. It must cost next to nothing however
// large the field.
void BM_GameTickOnTheLargestField(benchmark::State& state) {
  TGameRig rig;
  TMainForm& window = rig.Window();
  const TBoard& board = *window.Board();
  window.FormMouseMove((board.ColumnLeft(70) + board.ColumnRight(70)) / 2,
                       (board.RowTop(50) + board.RowBottom(50)) / 2);
  for (auto _ : state) {
    window.Tick();
    benchmark::DoNotOptimize(window.Clock());
  }
}
BENCHMARK(BM_GameTickOnTheLargestField);

// The pointer crossing the field from cell to cell.
void BM_PointerAcrossTheLargestField(benchmark::State& state) {
  TGameRig rig;
  TMainForm& window = rig.Window();
  const TBoard& board = *window.Board();
  int column = 1;
  for (auto _ : state) {
    column = column % 147 + 1;
    window.FormMouseMove((board.ColumnLeft(column) + board.ColumnRight(column)) / 2,
                         (board.RowTop(49) + board.RowBottom(49)) / 2);
  }
}
BENCHMARK(BM_PointerAcrossTheLargestField);

// The keyboard's cursor moving one square and back, with no screen reader
// (range 0) and with one listening (range 1): then the square the cursor
// reaches takes the focus, its cell made the first time, and Qt is told.
// The difference is what reading the field costs a move.
void BM_CursorMoveOnTheLargestField(benchmark::State& state) {
  TGameRig rig;
  TMainForm& window = rig.Window();
  QApplication::setActiveWindow(&window);
  const bool reader = state.range(0) != 0;
  QAccessible::setActive(reader);
  QWidget* field = window.findChild<QWidget*>(QStringLiteral("GameScreen"));
  if (reader) QAccessible::queryAccessibleInterface(field);
  window.MoveFieldCursor(cm_Right);  // shows the cursor
  bool right = true;
  for (auto _ : state) {
    window.MoveFieldCursor(right ? cm_Right : cm_Left);
    right = !right;
  }
  QAccessible::setActive(false);
}
BENCHMARK(BM_CursorMoveOnTheLargestField)->Arg(0)->Arg(1);

// What a reader is told after a play, on the largest field with every one
// of its cells made (a reader that has walked the whole table): the areas
// compared with what the reader was told last, and the squares of the one
// that changed (tinted, then back) report.
void BM_ChangesToldAfterAPlayWithEveryCellMade(benchmark::State& state) {
  TGameRig rig;
  TMainForm& window = rig.Window();
  QAccessible::setActive(true);
  auto* field = window.findChild<TGameScreen*>();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
  for (int i = 0; i < face->childCount(); ++i) face->child(i);
  TBoard& board = *window.Board();
  TAreaProperties& area = *board.AreaAt(74, 49);
  const TColour own = area.Colour;
  for (auto _ : state) {
    if (TBoard::Tinted(area))
      area.Colour = own;
    else
      board.Tint(74, 49);
    field->TellChanges();
  }
  QAccessible::setActive(false);
}
BENCHMARK(BM_ChangesToldAfterAPlayWithEveryCellMade);

// A full repaint of the game screen, as after a resize or a change of screen.
void BM_FullRepaintOfTheLargestField(benchmark::State& state) {
  TGameRig rig;
  TMainForm& window = rig.Window();
  for (auto _ : state) window.FormPaint();
}
BENCHMARK(BM_FullRepaintOfTheLargestField)->Unit(benchmark::kMillisecond);

}  // namespace
