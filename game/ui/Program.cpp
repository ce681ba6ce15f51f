#include <QApplication>
#include "about/ui/AppIcon.h"
#include "game/ui/GameWindows.h"
#include "game/ui/MainForm.h"
#include "ui/ModalSeams.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorlane"));
  InstallApplicationIdentity();

  TModalSeams seams = TModalSeams::Real();
  TGameWindows windows(seams);
  windows.MainForm().show();
  return QApplication::exec();
}
