#include "about/ui/AppIcon.h"
#include <QGuiApplication>

QIcon ApplicationIcon() { return QIcon(); }

void InstallApplicationIdentity() {
  QGuiApplication::setWindowIcon(ApplicationIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorlane.Quorlane"));
}
