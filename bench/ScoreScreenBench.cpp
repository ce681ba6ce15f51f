#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench/BenchApplication.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreScreen.h"
#include "scores/ScoreTable.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/ModalSeams.h"

namespace {

// The score screen at its design size over a table of 100 000 games, in a
// working directory of its own. Every paint re-reads the whole file, as the
// game does on each paint message, filter change and slider step.
class TScoreScreenRig {
 public:
  static constexpr int Games = 100000;

  TScoreScreenRig() {
    WriteScores();
    TModalSeams& seams = Windows.Seams;
    seams.ExecDialog = [](QDialog&) { return int(QDialog::Rejected); };
    seams.AskWarningYesNo = [](QWidget*, const QString&) { return false; };
    seams.ShowInformation = [](QWidget*, const QString&) {};
    seams.ShowError = [](QWidget*, const QString&) {};
    Windows.Show(478, 511);
  }

  TMainForm& Window() { return Windows.Main(); }

 private:
  static void WriteScores() {
    std::mt19937 random(77);
    QByteArray content;
    content.reserve(Games * int(GameRecordSize));
    for (int i = 0; i < Games; ++i) {
      TGameRecord game;
      game.SetPlayerName(random() % 3 ? "Ann" : "Bob");
      game.Score = int(random() % 4000) - 500;
      game.SizeX = 9 + int(random() % 20);
      game.SizeY = 9 + int(random() % 12);
      game.MinePopulation = int(random() % 201);
      game.CellSize = 10 + int(random() % 81);
      game.TimedGame = random() % 2;
      game.GameSpeed = int(random() % 21);
      const TRecordBytes bytes = EncodeRecord(game);
      content.append(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }
    QFile file(ScoresFile);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
  }

  TBenchWindows Windows;
};

TScoreScreenRig& Rig() {
  static TScoreScreenRig rig;
  return rig;
}

void BM_PaintScores100k(benchmark::State& state) {
  TMainForm& window = Rig().Window();
  for (auto _ : state) {
    window.PaintScores();
    benchmark::DoNotOptimize(window.ScoreList().data());
  }
  // The best listed game, to show that the table was really rebuilt.
  state.counters["best"] = window.ScoreList()[1].Score;
}
BENCHMARK(BM_PaintScores100k)->Unit(benchmark::kMillisecond);

// A pointer moving down the table: markers erased and drawn, hints set.
void BM_ScoresMouseMove(benchmark::State& state) {
  TMainForm& window = Rig().Window();
  window.PaintScores();
  const TScoreLayout layout = window.ScoreLayout();
  int row = 0;
  for (auto _ : state) {
    row = row % layout.RowCount + 1;
    window.ScoresMouseMove(200, layout.Top + row * layout.RowHeight + 2);
    benchmark::DoNotOptimize(window.HoverRow());
  }
}
BENCHMARK(BM_ScoresMouseMove)->Unit(benchmark::kMicrosecond);

}  // namespace
