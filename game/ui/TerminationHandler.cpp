#include "game/ui/TerminationHandler.h"
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};

// The handler can reach nothing but what lives at file scope: the pipe's
// ends, and whether a signal is already on its way.
int PipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t Pending = 0;
struct sigaction Previous[std::size(Handled)];

void OnSignal(int number) {
  if (Pending) {
    ::signal(number, SIG_DFL);
    ::raise(number);
    return;
  }
  Pending = 1;
  const int saved = errno;
  const char byte = 1;
  (void)!::write(PipeEnds[1], &byte, 1);
  errno = saved;
}

}  // namespace

TTerminationHandler::TTerminationHandler(QWidget& mainWindow) : QObject(nullptr), FMainWindow(mainWindow) {
  if (::pipe2(PipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  FNotifier = new QSocketNotifier(PipeEnds[0], QSocketNotifier::Read, this);
  connect(FNotifier, &QSocketNotifier::activated, this, &TTerminationHandler::Answer);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(Handled); ++i) ::sigaction(Handled[i], &action, &Previous[i]);
}

TTerminationHandler::~TTerminationHandler() {
  if (!FNotifier) return;
  for (std::size_t i = 0; i < std::size(Handled); ++i) ::sigaction(Handled[i], &Previous[i], nullptr);
  delete FNotifier;
  ::close(PipeEnds[0]);
  ::close(PipeEnds[1]);
  PipeEnds[0] = PipeEnds[1] = -1;
  Pending = 0;
}

void TTerminationHandler::Answer() {
  char bytes[16];
  while (::read(PipeEnds[0], bytes, sizeof bytes) > 0) {
  }
  FMainWindow.close();
  QCoreApplication::exit(0);
}
