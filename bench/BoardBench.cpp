#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "board/Board.h"
#include "board/Random.h"
#include "board/ui/QtCanvas.h"
#include "bench/BenchApplication.h"

namespace {

// The largest field the dialog offers with every setting at its slider's
// least value, the thresholds as the dialog gives them (holes 0, shapes 10,
// links 0): a setting is on only above its threshold, so this is a plain
// field of one-cell areas without holes, links or mines.
TGameRecord LargestRecord() {
  TGameRecord record;
  record.SizeX = 147;
  record.SizeY = 98;
  record.CellSize = 10;
  record.HolesThreshold = 0;
  record.ShapeThreshold = 10;
  record.LinkThreshold = 0;
  return record;
}

void Generate(TBoard& board, const TGameRecord& record) {
  std::int32_t clock = 0, score = 0;
  board.Generate(record, clock, score);
}

// The largest field laid out in 1900 x 1000 pixels with every area open,
// so that every cell shows its number, painted into an image of that many
// logical pixels at the given device pixel ratio.
struct TPaintRig {
  TBoard Board;
  QImage Image;
  TQtCanvas Canvas;
  QPainter Painter;

  explicit TPaintRig(int ratio = 1) : Image(QSize(1903, 1003) * ratio, QImage::Format_RGB32) {
    EnsureApplication();
    Image.setDevicePixelRatio(ratio);
    RandSeed(1);
    TGameRecord record = LargestRecord();
    record.MinePopulation = 80;
    Generate(Board, record);
    for (auto& area : Board.Areas()) area->Uncovered = true;
    Board.LayOut(1900, 1000, 0);
    Image.fill(Qt::white);
    Painter.begin(&Image);
    Canvas.Attach(&Painter);
  }
  ~TPaintRig() {
    Canvas.Detach();
    Painter.end();
  }
};

}  // namespace

static void BM_GenerateLargest(benchmark::State& state) {
  RandSeed(2);
  TBoard board;
  TGameRecord record = LargestRecord();
  record.CellSize = 90;  // every feature on, at the dialog's largest values
  record.Linking = 90;
  record.Holes = 100;
  record.MinePopulation = 200;
  for (auto _ : state) {
    Generate(board, record);
    benchmark::DoNotOptimize(board.Areas().data());
  }
}
BENCHMARK(BM_GenerateLargest)->Unit(benchmark::kMillisecond);

static void BM_GeneratePlainLargest(benchmark::State& state) {
  RandSeed(3);
  TBoard board;
  TGameRecord record = LargestRecord();
  record.MinePopulation = 80;
  record.Holes = 10;  // holes on; shapes and links stay off
  for (auto _ : state) {
    Generate(board, record);
    benchmark::DoNotOptimize(board.Areas().data());
  }
}
BENCHMARK(BM_GeneratePlainLargest)->Unit(benchmark::kMillisecond);

static void BM_FloodLargest(benchmark::State& state) {
  RandSeed(4);
  TBoard board;
  const TGameRecord record = LargestRecord();  // no mines: one uncover opens all
  std::int32_t score = 100, clock = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Generate(board, record);
    state.ResumeTiming();
    board.Uncover(74, 49, 0, score, clock, false);
  }
  if (board.UnexploredCount() != 0) state.SkipWithError("the flood left areas covered");
}
BENCHMARK(BM_FloodLargest)->Unit(benchmark::kMillisecond);

static void BM_PaintAllLargest(benchmark::State& state) {
  TPaintRig rig;
  for (auto _ : state) rig.Board.PaintAll(rig.Canvas);
}
BENCHMARK(BM_PaintAllLargest)->Unit(benchmark::kMillisecond);

// The same field on a screen of two device pixels per logical pixel: four
// times the pixels, text and symbols prepared at twice the size.
static void BM_PaintAllLargestHiDpi(benchmark::State& state) {
  TPaintRig rig(2);
  for (auto _ : state) rig.Board.PaintAll(rig.Canvas);
}
BENCHMARK(BM_PaintAllLargestHiDpi)->Unit(benchmark::kMillisecond);

static void BM_PaintChangedHover(benchmark::State& state) {
  TPaintRig rig;
  rig.Board.PaintAll(rig.Canvas);
  rig.Board.PaintChanged(rig.Canvas);  // clears the fresh field's flags
  rig.Board.HoverAt(74, 49, rig.Canvas);
  for (auto _ : state) {
    rig.Board.PulseHover();
    rig.Board.PaintChanged(rig.Canvas);
  }
}
BENCHMARK(BM_PaintChangedHover)->Unit(benchmark::kMillisecond);
