#include <QApplication>
#include "about/ui/AppIcon.h"
#include "game/ui/CommandLine.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "ui/FontDatabaseWarmUp.h"
#include "ui/ModalSeams.h"

int main(int argc, char** argv) {
  // Answered before any window or display is needed.
  if (const auto status = HandleCommandLine(argc, argv)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  InstallApplicationIdentity();
  const TFontDatabaseWarmUp fonts;

  TModalSeams seams = TModalSeams::Real();
  TGameWindows windows(seams);
  windows.MainForm().show();
  return QApplication::exec();
}
