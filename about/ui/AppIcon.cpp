#include "about/ui/AppIcon.h"
#include <QGuiApplication>
#include <QPixmap>
#include "about/EmbeddedArt.h"

namespace {

// The desktop entry's name without ".desktop": the application's id, also
// the name of its icons in the theme and of its AppStream metadata.
constexpr const char* kDesktopFileName = "org.quorlane.Quorlane";

}  // namespace

QIcon ApplicationIcon() {
  QIcon icon;
  for (const TEmbeddedIcon& size : ApplicationIconPngs()) {
    QPixmap pixmap;
    if (pixmap.loadFromData(size.Png.data(), static_cast<uint>(size.Png.size()), "PNG")) icon.addPixmap(pixmap);
  }
  return icon;
}

void InstallApplicationIdentity() {
  QGuiApplication::setWindowIcon(ApplicationIcon());
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}
