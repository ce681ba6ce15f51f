#pragma once
#include <memory>
#include <QString>
#include <QTemporaryDir>
#include "ui/ModalSeams.h"

class TGameWindows;
class TMainForm;
class TDlgNewGame;

// Fonts and windows need an application object, and the benchmark's own
// main makes none: whichever benchmark comes first makes one, headless, for
// all of them.
void EnsureApplication();

// The program's windows built as the program builds them, with these seams,
// and the main window shown at this size, the events it raises handled.
std::unique_ptr<TGameWindows> ShowGameWindows(TModalSeams& seams, int width, int height);

// A benchmark's working directory of its own, made current while the rig
// lives, and the program's windows in it once shown. The seams answer every
// modal dialog and message box; set them before Show.
class TBenchWindows {
 public:
  TBenchWindows();
  TBenchWindows(const TBenchWindows&) = delete;
  TBenchWindows& operator=(const TBenchWindows&) = delete;
  ~TBenchWindows();

  void Show(int width, int height);
  TMainForm& Main();
  TDlgNewGame& Dialog();

  TModalSeams Seams = TModalSeams::Real();

 private:
  QTemporaryDir Dir;
  QString Previous;
  std::unique_ptr<TGameWindows> Windows;
};
