#include "about/ui/AppIcon.h"
#include <QGuiApplication>
#include <QImage>
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

// Plain pixels: decoding PNGs would load the image readers and their
// libraries at every start, for sizes no title bar shows.
QIcon WindowIcon() {
  QIcon icon;
  for (const TEmbeddedPixels& size : WindowIconPixels()) {
    if (size.Rgba.size() != std::size_t(size.Size) * std::size_t(size.Size) * 4) continue;
    const QImage image(size.Rgba.data(), size.Size, size.Size, size.Size * 4, QImage::Format_RGBA8888);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

void InstallApplicationIdentity() {
  QGuiApplication::setWindowIcon(WindowIcon());
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}
