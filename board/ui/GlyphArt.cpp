#include "board/ui/GlyphArt.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

QImage TransparentImage(int width, int height) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The mine in a unit square: a round body with eight spikes, the diagonal
// ones shorter. Each piece is its own polygon and all are filled alike, so
// overlaps can never cancel each other out.
void DrawMineShape(QPainter& painter) {
  const QPointF centre(0.5, 0.5);
  painter.drawEllipse(centre, 0.27, 0.27);
  for (int spike = 0; spike < 8; ++spike) {
    const double angle = spike * M_PI / 4;
    const double reach = spike % 2 == 0 ? 0.45 : 0.39;
    const QPointF tip = centre + QPointF(std::cos(angle), std::sin(angle)) * reach;
    const QPointF side = QPointF(-std::sin(angle), std::cos(angle)) * 0.045;
    const QPointF bar[4] = {centre + side, tip + side, tip - side, centre - side};
    painter.drawPolygon(bar, 4);
  }
}

}  // namespace

int MineGlyphWidth(const QFont& font) { return std::max(font.pixelSize(), 1); }

QImage DrawMineGlyph(const QFont& font, QColor colour, double ratio) {
  const double size = MineGlyphWidth(font) * ratio;
  QImage image = TransparentImage(int(std::ceil(size)), int(std::ceil(size)));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size, size);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  DrawMineShape(painter);
  // The glint: a lighter spot that makes the body read as a sphere.
  const QColor hsv = colour.toHsv();
  painter.setBrush(QColor::fromHsv(hsv.hsvHue(), hsv.hsvSaturation() / 3, 255, 200));
  painter.drawEllipse(QPointF(0.41, 0.41), 0.075, 0.075);
  return image;
}

int BulletGlyphWidth(const QFont& font) {
  return std::max(QFontMetrics(font).horizontalAdvance(QChar(0x2022)), 1);
}

// Centred on the advance and on the middle of the x-height above the
// baseline, with about a third of the em as its diameter.
QImage DrawBulletGlyph(const QFont& font, QColor colour, double ratio) {
  const QFontMetrics metrics(font);
  const int width = BulletGlyphWidth(font);
  QImage image = TransparentImage(int(std::ceil(width * ratio)), int(std::ceil(metrics.height() * ratio)));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  if (ratio != 1.0) painter.scale(ratio, ratio);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  const double radius = std::max(font.pixelSize() * 0.16, 0.9);
  const QPointF centre(width / 2.0, metrics.ascent() - metrics.xHeight() / 2.0);
  painter.drawEllipse(centre, radius, radius);
  return image;
}
