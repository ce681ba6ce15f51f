#pragma once
#include <QObject>

class QSocketNotifier;
class QWidget;

// SIGTERM, SIGHUP and SIGINT (the session ending, the terminal closing,
// Ctrl+C) end the program as closing its main window does, so the game in
// play is kept. The signal handler only writes a byte to a pipe, which is
// all a handler may safely do; the byte wakes the event loop, which closes
// the window and leaves every loop, nested ones (an open dialog) included.
// A second signal before the first has been answered (the program is hung)
// ends the program at once, as the signal always did. One handler at a time
// is installed, by the program's start.
class TTerminationHandler : public QObject {
  Q_OBJECT

 public:
  explicit TTerminationHandler(QWidget& mainWindow);
  ~TTerminationHandler() override;

 private:
  void Answer();

  QWidget& FMainWindow;
  QSocketNotifier* FNotifier = nullptr;
};
