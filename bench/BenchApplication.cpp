#include "bench/BenchApplication.h"

#include <QApplication>

void EnsureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quorlane-bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}
