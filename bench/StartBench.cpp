#include <benchmark/benchmark.h>

#include <memory>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>

#include "bench/BenchApplication.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "ui/ModalSeams.h"

namespace {

// Notes when a paint event of the watched window has been handled.
class TPaintWatch : public QObject {
 public:
  bool Painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) Painted = true;
    return false;
  }
};

}  // namespace

// The start of the game as a new player meets it: the program's four windows
// built in a folder without any kept file, the main window shown, and its
// events handled until the score screen's first paint has been drawn. The
// windows go again outside the timing.
static void BM_StartToFirstPaint(benchmark::State& state) {
  EnsureApplication();
  const QString previous = QDir::currentPath();
  TModalSeams seams = TModalSeams::Real();
  seams.ExecDialog = [](QDialog&) { return int(QDialog::Rejected); };
  seams.AskWarningYesNo = [](QWidget*, const QString&) { return false; };
  seams.ShowInformation = [](QWidget*, const QString&) {};
  seams.ShowError = [](QWidget*, const QString&) {};
  bool scoreScreen = true;
  for (auto _ : state) {
    state.PauseTiming();
    auto dir = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(dir->path());
    TPaintWatch watch;
    state.ResumeTiming();

    auto windows = std::make_unique<TGameWindows>(seams);
    TMainForm& main = windows->MainForm();
    main.installEventFilter(&watch);
    main.show();
    for (int round = 0; !watch.Painted && round < 1000; ++round) QApplication::processEvents();

    state.PauseTiming();
    scoreScreen = scoreScreen && watch.Painted && main.ScreenShown() == ss_Scores;
    main.removeEventFilter(&watch);
    windows.reset();
    QDir::setCurrent(previous);
    dir.reset();
    state.ResumeTiming();
  }
  if (!scoreScreen) state.SkipWithError("the score screen was not painted");
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);
