#include <benchmark/benchmark.h>

#include <memory>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>

#include "bench/BenchApplication.h"
#include "board/Random.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/ModalSeams.h"

namespace {

// The main window playing the largest field, 147 x 98 squares with shaped
// cells, at a large window size, in a working directory of its own.
class TGameRig {
 public:
  TGameRig() : Previous(QDir::currentPath()) {
    EnsureApplication();
    QDir::setCurrent(Dir.path());
    Seams.ExecDialog = [this](QDialog&) {
      Dialog->SetSizeX(147);
      Dialog->SetSizeY(98);
      Dialog->SetMinePopulation(80);
      Dialog->SetCellSize(40);
      Dialog->SetShapeRandom(true);
      Dialog->OKBtnClick();
      return int(QDialog::Accepted);
    };
    Seams.ShowInformation = [](QWidget*, const QString&) {};
    Windows = ShowGameWindows(Seams, 1200, 900);
    Main = &Windows->MainForm();
    Dialog = &Windows->DlgNewGame();
    RandSeed(2024);
    Main->BtnNewGameClick();
  }
  ~TGameRig() {
    Windows.reset();
    QDir::setCurrent(Previous);
  }
  TMainForm& Window() { return *Main; }

 private:
  QTemporaryDir Dir;
  QString Previous;
  TModalSeams Seams = TModalSeams::Real();
  std::unique_ptr<TGameWindows> Windows;
  TMainForm* Main = nullptr;
  TDlgNewGame* Dialog = nullptr;
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

// A full repaint of the game screen, as after a resize or a change of screen.
void BM_FullRepaintOfTheLargestField(benchmark::State& state) {
  TGameRig rig;
  TMainForm& window = rig.Window();
  for (auto _ : state) window.FormPaint();
}
BENCHMARK(BM_FullRepaintOfTheLargestField)->Unit(benchmark::kMillisecond);

}  // namespace
