#include "game/ui/Pictures.h"
#include <QPainter>
#include <QPoint>

QSize PictureSize(TPicture) { return QSize(24, 24); }
void PaintPicture(QPainter&, TPicture, const QPoint&) {}
QPixmap PicturePixmap(TPicture picture, qreal devicePixelRatio) {
  QPixmap pixmap(PictureSize(picture) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}
QIcon PictureIcon(TPicture picture) {
  QIcon icon;
  for (qreal ratio : {1.0, 2.0, 3.0}) icon.addPixmap(PicturePixmap(picture, ratio));
  return icon;
}
