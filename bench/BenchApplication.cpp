#include "bench/BenchApplication.h"

#include <QApplication>
#include <QDir>
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "settings/ui/DlgNewGame.h"

void EnsureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quorlane-bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

std::unique_ptr<TGameWindows> ShowGameWindows(TModalSeams& seams, int width, int height) {
  auto windows = std::make_unique<TGameWindows>(seams);
  windows->MainForm().show();
  windows->MainForm().resize(width, height);
  QApplication::processEvents();
  return windows;
}

TBenchWindows::TBenchWindows() : Previous(QDir::currentPath()) {
  EnsureApplication();
  QDir::setCurrent(Dir.path());
}

TBenchWindows::~TBenchWindows() {
  Windows.reset();
  QDir::setCurrent(Previous);
}

void TBenchWindows::Show(int width, int height) { Windows = ShowGameWindows(Seams, width, height); }

TMainForm& TBenchWindows::Main() { return Windows->MainForm(); }

TDlgNewGame& TBenchWindows::Dialog() { return Windows->DlgNewGame(); }
