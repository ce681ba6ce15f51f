#include "ui/Pictures.h"
#include <algorithm>
#include <array>
#include <initializer_list>
#include <cmath>
#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>

// The game's pictures, drawn with a painter in logical pixels so that they
// are as sharp at 2x or 3x as at 1x. One style throughout: the minefield's
// own area colours, a soft dark outline, dark spiked mines with a
// highlight, red links. Shapes are few and bold; the pixel-art parts (grids,
// tiles, bars) keep their edges on whole device pixels, so that small grids
// stay crisp at 1x, 1.5x and 2x alike.

namespace {
// The palette. Area colours are those of a fresh minefield.
const QColor Outline(58, 66, 80);
const QColor Beige(0xDD, 0xCC, 0xAA);
const QColor Blue(0x9D, 0xB8, 0xD6);
const QColor Green(0xA9, 0xCC, 0x98);
const QColor Orange(0xE9, 0xB4, 0x7E);
const QColor Rose(0xD9, 0xA7, 0xC0);
const QColor MineBody(42, 45, 52);
const QColor LinkRed(0xD3, 0x3A, 0x2F);
const QColor HoleBlack(30, 31, 36);
const QColor Paper(0xF7, 0xF3, 0xEA);

QPen OutlinePen(qreal width = 1.0, const QColor& colour = Outline) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// Pixel art on any device: a rectangle of whole logical pixels whose edges
// are moved to the nearest device pixel edge, so that tiles and outlines
// meet without seams or blurred rims at 1.5 as at 1 or 2.
QRectF SnappedRect(const QPainter& p, const QRectF& logical) {
  const QTransform& toDevice = p.deviceTransform();
  if (toDevice.type() > QTransform::TxScale) return logical;
  auto snap = [](qreal v) { return std::floor(v + 0.5); };
  const QRectF device = toDevice.mapRect(logical);
  return QRectF(QPointF(snap(device.left()), snap(device.top())), QPointF(snap(device.right()), snap(device.bottom())));
}

void FillDevice(QPainter& p, const QRectF& device, const QColor& colour) {
  const QTransform& toDevice = p.deviceTransform();
  if (toDevice.type() > QTransform::TxScale) {
    p.fillRect(device, colour);
    return;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(toDevice.inverted().mapRect(device), colour);
  p.restore();
}

void Block(QPainter& p, int x, int y, int w, int h, const QColor& colour) {
  FillDevice(p, SnappedRect(p, QRectF(x, y, w, h)), colour);
}

// A one-pixel line of pixel art, w x 1 or 1 x h logical pixels. It keeps
// one width across the whole picture, the ratio rounded, however the
// logical pixels fall on the device's; `far` keeps it against the far
// (right or bottom) edge of its logical pixel, as a tile's own outline on
// that side must be.
void Stroke(QPainter& p, int x, int y, int w, int h, const QColor& colour, bool far = false) {
  QRectF device = SnappedRect(p, QRectF(x, y, w, h));
  const QTransform& toDevice = p.deviceTransform();
  if (toDevice.type() <= QTransform::TxScale) {
    const bool vertical = w == 1 && h != 1;
    const qreal width = std::max<qreal>(1.0, std::floor(std::abs(vertical ? toDevice.m11() : toDevice.m22()) + 0.5));
    if (vertical) {
      if (far) device.setLeft(device.right() - width); else device.setWidth(width);
    } else {
      if (far) device.setTop(device.bottom() - width); else device.setHeight(width);
    }
    if (w == 1 && h == 1) {
      if (far) device.setLeft(device.right() - width); else device.setWidth(width);
    }
  }
  FillDevice(p, device, colour);
}

// The outline of the pixels x..x+w-1, y..y+h-1, one pixel inside them.
void Frame(QPainter& p, int x, int y, int w, int h, const QColor& colour) {
  Stroke(p, x, y, w, 1, colour);
  Stroke(p, x, y + h - 1, w, 1, colour, true);
  Stroke(p, x, y, 1, h, colour);
  Stroke(p, x + w - 1, y, 1, h, colour, true);
}

// A covered square of the minefield: its colour, a lighter top-left edge
// and a darker outline, on whole pixels.
void Cell(QPainter& p, int x, int y, int w, int h, const QColor& fill) {
  Block(p, x, y, w, h, fill);
  if (w >= 4 && h >= 4) {
    Stroke(p, x + 1, y + 1, w - 2, 1, fill.lighter(118));
    Stroke(p, x + 1, y + 1, 1, h - 2, fill.lighter(118));
  }
  Frame(p, x, y, w, h, fill.darker(165));
}

// A grid of columns x rows squares of side cell, one pixel of outline
// shared between neighbours; colourOf(column, row) gives each fill.
template <typename ColourOf>
void Grid(QPainter& p, int x, int y, int columns, int rows, int cell, ColourOf colourOf) {
  for (int c = 0; c < columns; ++c)
    for (int r = 0; r < rows; ++r) {
      const QColor fill = colourOf(c, r);
      const int left = x + c * cell, top = y + r * cell;
      Block(p, left + 1, top + 1, cell - 1, cell - 1, fill);
      if (cell >= 5) {
        Stroke(p, left + 1, top + 1, cell - 1, 1, fill.lighter(115));
        Stroke(p, left + 1, top + 1, 1, cell - 1, fill.lighter(115));
      }
    }
  for (int c = 0; c <= columns; ++c) Stroke(p, x + c * cell, y, 1, rows * cell + 1, Outline, c == columns);
  for (int r = 0; r <= rows; ++r) Stroke(p, x, y + r * cell, columns * cell + 1, 1, Outline, r == rows);
}

// A mine: a dark ball with eight spikes and a small highlight.
void Mine(QPainter& p, const QPointF& centre, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const qreal spike = radius * 1.55;
  p.setPen(QPen(MineBody, std::max<qreal>(1.0, radius * 0.42), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 4; ++i) {
    const qreal angle = i * M_PI / 4;
    const QPointF d(std::cos(angle) * spike, std::sin(angle) * spike);
    p.drawLine(centre - d, centre + d);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(MineBody);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(QColor(255, 255, 255, 210));
  const qreal glint = std::max<qreal>(0.9, radius * 0.32);
  p.drawEllipse(centre + QPointF(-radius * 0.38, -radius * 0.38), glint, glint);
  p.restore();
}

void Link(QPainter& p, const QPointF& a, const QPointF& b) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(LinkRed, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.restore();
}

// A light square of paper behind the mines, so that they read as lying on
// the minefield.
void Field(QPainter& p, int x, int y, int w, int h) { Cell(p, x, y, w, h, Beige); }

// ---- Toolbar ------------------------------------------------------------

void PaintNewGame(QPainter& p) {
  // A fresh little minefield with a spark of newness at its corner.
  Grid(p, 1, 4, 3, 3, 6, [](int c, int r) {
    static const QColor colours[3][3] = {
        {Beige, Blue, Green}, {Orange, Beige, Blue}, {Green, Orange, Beige}};
    return colours[r][c];
  });
  QPainterPath star;
  const QPointF centre(16.5, 5.5);
  for (int i = 0; i < 8; ++i) {
    const qreal radius = i % 2 == 0 ? 5.2 : 2.0;
    const qreal angle = -M_PI / 2 + i * M_PI / 4;
    const QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    if (i == 0) star.moveTo(point); else star.lineTo(point);
  }
  star.closeSubpath();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(OutlinePen(1.0, QColor(150, 100, 20)));
  p.setBrush(QColor(255, 214, 64));
  p.drawPath(star);
}

void PaintMenu(QPainter& p) {
  // Three bars over a small arrow: a list that drops down.
  for (int i = 0; i < 3; ++i) Block(p, 2, 4 + i * 4, 12, 2, Outline);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(Outline);
  p.drawPolygon(QPolygonF({QPointF(4, 17), QPointF(12, 17), QPointF(8, 21)}));
}

void PaintLifeline(QPainter& p) {
  // A life ring: four red and four white segments round a hole.
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF outer(1.5, 1.5, 20, 20);
  const QRectF inner(7, 7, 9, 9);
  QPainterPath ring;
  ring.addEllipse(outer);
  ring.addEllipse(inner);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(ring);
  p.setBrush(QColor(0xE0, 0x3C, 0x31));
  for (int i = 0; i < 4; ++i) {
    QPainterPath segment;
    segment.moveTo(outer.center());
    segment.arcTo(outer, 90 * i + 22.5, 45);
    segment.closeSubpath();
    p.drawPath(segment.subtracted([&] { QPainterPath hole; hole.addEllipse(inner); return hole; }()));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(OutlinePen(1.0));
  p.drawEllipse(outer);
  p.drawEllipse(inner);
}

void PaintPauseBars(QPainter& p, const QColor& fill, const QColor& edge) {
  for (int x : {3, 9}) {
    Block(p, x, 2, 4, 12, fill);
    Frame(p, x, 2, 4, 12, edge);
  }
}

void PaintPause(QPainter& p) { PaintPauseBars(p, QColor(0x5B, 0x8D, 0xC9), QColor(0x2E, 0x4F, 0x7A)); }

void PaintPauseDisabled(QPainter& p) {
  PaintPauseBars(p, QColor(0xC8, 0xC8, 0xC8), QColor(0x9A, 0x9A, 0x9A));
}

// ---- Settings of the new game dialog ------------------------------------

void PaintSizeLo(QPainter& p) {
  Grid(p, 5, 5, 3, 3, 4, [](int, int) { return Beige; });
}

void PaintSizeHi(QPainter& p) {
  Grid(p, 1, 1, 5, 5, 4, [](int, int) { return Beige; });
}

void PaintMinePopLo(QPainter& p) {
  Field(p, 0, 2, 24, 20);
  Mine(p, QPointF(7, 8.5), 3.0);
  Mine(p, QPointF(16.5, 15.5), 3.0);
}

void PaintMinePopHi(QPainter& p) {
  Field(p, 0, 2, 24, 20);
  const QPointF places[] = {{5, 7.5}, {12, 7}, {19, 7.5}, {5, 16.5}, {12, 17}, {19, 16.5}};
  for (const QPointF& place : places) Mine(p, place, 2.1);
}

// Three mines far enough apart for the links between them to show.
const QPointF LinkedMines[3] = {{5.5, 7.5}, {18.5, 7.5}, {12, 17.5}};

void PaintLinkLo(QPainter& p) {
  Field(p, 0, 2, 24, 20);
  for (const QPointF& mine : LinkedMines) Mine(p, mine, 2.6);
}

void PaintLinkHi(QPainter& p) {
  Field(p, 0, 2, 24, 20);
  for (int i = 0; i < 3; ++i) Link(p, LinkedMines[i], LinkedMines[(i + 1) % 3]);
  for (const QPointF& mine : LinkedMines) Mine(p, mine, 2.6);
}

void PaintLinkPattern(QPainter& p) {
  // Two columns whose squares pair up by colour: each colour appears once
  // on either side.
  const QColor left[3] = {Blue, Orange, Green};
  const QColor right[3] = {Green, Blue, Orange};
  for (int i = 0; i < 3; ++i) {
    Cell(p, 2, 1 + i * 7 + 1, 7, 7, left[i]);
    Cell(p, 15, 1 + i * 7 + 1, 7, 7, right[i]);
  }
}

void PaintSmallSquares(QPainter& p) {
  Grid(p, 2, 2, 5, 5, 4, [](int c, int r) {
    static const QColor colours[] = {Beige, Blue, Green, Orange, Rose};
    return colours[(c * 2 + r * 3 + (c * r) % 2) % 5];
  });
}

// A shaped cell of pixel art: its pixels as rectangles, then its outline
// through the corners of an outline pixel path, corners given clockwise.
void Patch(QPainter& p, std::initializer_list<QRect> pixels, std::initializer_list<QPoint> corners,
           const QColor& fill) {
  for (const QRect& rect : pixels) Block(p, rect.x(), rect.y(), rect.width(), rect.height(), fill);
  const QPoint* points = corners.begin();
  const int count = int(corners.size());
  for (int i = 0; i < count; ++i) {
    const QPoint a = points[i], b = points[(i + 1) % count];
    const QRect run = QRect(a, b).normalized();
    // Clockwise, the inside is below a rightward run and left of a
    // downward one: those keep to the near side of their pixels.
    const bool far = b.y() > a.y() || b.x() < a.x();
    Stroke(p, run.x(), run.y(), run.width(), run.height(), Outline, far);
  }
}

void PaintCellSizeHi(QPainter& p) {
  // Three large shaped cells fitted together.
  Patch(p, {QRect(QPoint(1, 1), QPoint(14, 8)), QRect(QPoint(1, 8), QPoint(8, 22))},
        {QPoint(1, 1), QPoint(14, 1), QPoint(14, 8), QPoint(8, 8), QPoint(8, 22), QPoint(1, 22)}, Blue);
  Patch(p, {QRect(QPoint(14, 1), QPoint(22, 8)), QRect(QPoint(15, 8), QPoint(22, 15))},
        {QPoint(14, 1), QPoint(22, 1), QPoint(22, 15), QPoint(15, 15), QPoint(15, 8), QPoint(14, 8)}, Orange);
  Patch(p, {QRect(QPoint(8, 8), QPoint(15, 15)), QRect(QPoint(8, 15), QPoint(22, 22))},
        {QPoint(8, 8), QPoint(15, 8), QPoint(15, 15), QPoint(22, 15), QPoint(22, 22), QPoint(8, 22)}, Green);
}

void PaintPattern(QPainter& p) {
  // The outline of a brick bond: four rows of equal bricks, every other
  // row shifted by half a brick.
  constexpr int left = 1, top = 2, right = 22, rowHeight = 5, rows = 4, brick = 8;
  constexpr int width = right - left + 1, height = rows * rowHeight + 1;
  Block(p, left, top, width, height, Paper);
  Frame(p, left, top, width, height, Outline);
  for (int row = 0; row < rows; ++row) {
    const int y = top + row * rowHeight;
    if (row > 0) Stroke(p, left, y, width, 1, Outline);
    for (int x = left + (row % 2 == 0 ? brick : brick / 2); x < right; x += brick)
      Stroke(p, x, y, 1, rowHeight + 1, Outline);
  }
}

void PaintHolesLo(QPainter& p) {
  Grid(p, 2, 2, 4, 4, 5, [](int, int) { return Beige; });
}

void PaintHolesHi(QPainter& p) {
  Grid(p, 2, 2, 4, 4, 5, [](int c, int r) {
    const bool hole = (c == 1 && r == 0) || (c == 3 && r == 1) || (c == 0 && r == 2) ||
                      (c == 2 && r == 2) || (c == 1 && r == 3);
    return hole ? HoleBlack : Beige;
  });
}

void PaintBrain(QPainter& p) {
  // Two rounded halves with a few folds.
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor pink(0xEE, 0xA9, 0xB8);
  p.setPen(OutlinePen(1.2, QColor(0x9A, 0x4E, 0x63)));
  p.setBrush(pink);
  QPainterPath shape;
  shape.addRoundedRect(QRectF(2, 4, 20, 16), 8, 8);
  p.drawPath(shape);
  QPen fold = OutlinePen(1.3, QColor(0x8A, 0x3E, 0x55));
  p.setPen(fold);
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(12, 5), QPointF(12, 19));
  QPainterPath folds;
  folds.moveTo(5, 10); folds.cubicTo(7, 7, 9, 12, 10, 9);
  folds.moveTo(4.5, 15); folds.cubicTo(7, 12, 8, 17, 10.5, 14.5);
  folds.moveTo(14, 9); folds.cubicTo(15, 12, 17, 7, 19.5, 10);
  folds.moveTo(13.5, 14.5); folds.cubicTo(16, 17, 17, 12, 19.5, 15);
  p.drawPath(folds);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawEllipse(QRectF(5, 6, 5, 2.5));
}

void PaintTimed(QPainter& p) {
  // A stopwatch dial with its crown, ticks at the quarters and one hand.
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(Outline);
  p.drawRoundedRect(QRectF(10, 0.5, 4, 3), 1, 1);
  p.drawRect(QRectF(11, 3, 2, 2));
  p.setPen(OutlinePen(1.6));
  p.setBrush(Qt::white);
  const QPointF centre(12, 14);
  p.drawEllipse(centre, 9, 9);
  p.setPen(OutlinePen(1.2));
  for (int i = 0; i < 4; ++i) {
    const qreal angle = i * M_PI / 2;
    const QPointF d(std::cos(angle), std::sin(angle));
    p.drawLine(centre + d * 6.2, centre + d * 7.6);
  }
  p.setPen(OutlinePen(1.8, LinkRed));
  p.drawLine(centre, centre + QPointF(3.6, -3.6));
  p.setPen(Qt::NoPen);
  p.setBrush(Outline);
  p.drawEllipse(centre, 1.4, 1.4);
}

void PaintSnail(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor body(0xC9, 0xB8, 0x8E);
  const QColor shell(0xD9, 0x8A, 0x4B);
  const QColor edge(0x6B, 0x4A, 0x2A);
  // The foot, low and long, with the head raised at the front.
  QPainterPath foot;
  foot.moveTo(2, 20);
  foot.lineTo(17, 20);
  foot.cubicTo(20, 20, 21, 18, 21, 15);
  foot.lineTo(21, 12);
  foot.cubicTo(21, 10, 18, 10, 18, 12);
  foot.lineTo(18, 16);
  foot.cubicTo(14, 17, 6, 17, 2, 20);
  foot.closeSubpath();
  p.setPen(OutlinePen(1.0, edge));
  p.setBrush(body);
  p.drawPath(foot);
  // Feelers.
  p.setPen(OutlinePen(1.0, edge));
  p.drawLine(QPointF(19, 11), QPointF(18, 6));
  p.drawLine(QPointF(20.5, 11), QPointF(22, 6.5));
  p.setBrush(edge);
  p.drawEllipse(QPointF(18, 6), 1.0, 1.0);
  p.drawEllipse(QPointF(22, 6.5), 1.0, 1.0);
  // The shell and its spiral.
  p.setPen(OutlinePen(1.2, edge));
  p.setBrush(shell);
  p.drawEllipse(QPointF(10, 12), 7, 6.5);
  QPainterPath spiral;
  const QPointF centre(10.3, 12.2);
  for (int i = 0; i <= 40; ++i) {
    const qreal t = i / 40.0 * 2.6 * M_PI;
    const qreal radius = 0.6 + t * 0.62;
    const QPointF point = centre + QPointF(std::cos(t) * radius, std::sin(t) * radius);
    if (i == 0) spiral.moveTo(point); else spiral.lineTo(point);
  }
  p.setBrush(Qt::NoBrush);
  p.drawPath(spiral);
}

void PaintHare(QPainter& p) {
  // A hare in full stride: long body, long ears laid back, legs stretched.
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor fur(0xB8, 0x94, 0x6A);
  const QColor edge(0x5E, 0x45, 0x2B);
  p.setPen(OutlinePen(1.0, edge));
  p.setBrush(fur);
  // Legs behind the body.
  p.drawLine(QPointF(5, 15), QPointF(1, 20));
  p.drawLine(QPointF(15.5, 16), QPointF(20, 20));
  p.setPen(OutlinePen(1.6, edge));
  p.drawLine(QPointF(5, 15), QPointF(1.5, 19.5));
  p.drawLine(QPointF(15.5, 16), QPointF(19.5, 20));
  p.setPen(OutlinePen(1.0, edge));
  // Ears.
  QPainterPath ears;
  ears.moveTo(16, 9);
  ears.cubicTo(14, 5, 11, 3, 8, 2.5);
  ears.cubicTo(11, 5, 13, 8, 14.5, 10);
  ears.closeSubpath();
  ears.moveTo(17.5, 8.5);
  ears.cubicTo(16.5, 5, 14.5, 2.5, 12, 1);
  ears.cubicTo(14, 4, 15.5, 7, 16, 9.5);
  ears.closeSubpath();
  p.drawPath(ears);
  // Body and head.
  p.drawEllipse(QRectF(2.5, 9.5, 14.5, 7.5));
  p.drawEllipse(QRectF(14, 7.5, 8, 6));
  // Tail, eye and nose.
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(2.5, 11.5), 1.6, 1.6);
  p.setPen(Qt::NoPen);
  p.setBrush(edge);
  p.drawEllipse(QPointF(18.8, 9.6), 0.9, 0.9);
  p.drawEllipse(QPointF(21.7, 10.8), 0.7, 0.7);
}

// ---- The compact button -------------------------------------------------

void PaintTriangleRight(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(Outline);
  p.drawPolygon(QPolygonF({QPointF(6, 3.5), QPointF(13, 9), QPointF(6, 14.5)}));
}

void PaintTriangleDown(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(Outline);
  p.drawPolygon(QPolygonF({QPointF(3.5, 6), QPointF(14.5, 6), QPointF(9, 13)}));
}

// ---- Score header -------------------------------------------------------

// A head and shoulders, centred on x, standing on the bottom at y.
void Person(QPainter& p, qreal x, qreal bottom, qreal scale, const QColor& fill) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(OutlinePen(1.0));
  p.setBrush(fill);
  QPainterPath shoulders;
  const qreal halfWidth = 7.0 * scale, height = 10.0 * scale;
  shoulders.moveTo(x - halfWidth, bottom);
  shoulders.lineTo(x - halfWidth, bottom - height * 0.45);
  shoulders.cubicTo(x - halfWidth, bottom - height, x + halfWidth, bottom - height,
                    x + halfWidth, bottom - height * 0.45);
  shoulders.lineTo(x + halfWidth, bottom);
  shoulders.closeSubpath();
  p.drawPath(shoulders);
  const qreal headRadius = 4.3 * scale;
  p.setBrush(fill.lighter(112));
  p.drawEllipse(QPointF(x, bottom - height - headRadius + 1.2 * scale), headRadius, headRadius);
}

void PaintTwoPeople(QPainter& p) {
  Person(p, 21.5, 24, 1.0, Green);
  Person(p, 11, 24, 1.05, Blue);
}

void PaintOnePerson(QPainter& p) { Person(p, 8.5, 24, 1.05, Blue); }

void PaintMatchNarrow(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF centre(16, 16);
  p.setPen(OutlinePen(1.0));
  p.setBrush(Blue);
  QPainterPath ring;
  ring.addEllipse(centre, 14, 14);
  ring.addEllipse(centre, 9, 9);
  p.drawPath(ring);
  p.setBrush(Orange);
  p.drawEllipse(centre, 4, 4);
}

void PaintMatchWide(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(OutlinePen(1.0));
  p.setBrush(Orange);
  p.drawEllipse(QPointF(16, 16), 14, 14);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawEllipse(QRectF(8, 6, 9, 5));
}

using TPainterFunction = void (*)(QPainter&);

struct TPictureEntry {
  int Width, Height;
  TPainterFunction Paint;
};

constexpr std::array<TPictureEntry, pic_Count> Pictures = {{
    {22, 22, PaintNewGame},
    {16, 22, PaintMenu},
    {23, 23, PaintLifeline},
    {16, 16, PaintPause},
    {16, 16, PaintPauseDisabled},
    {24, 24, PaintSizeLo},
    {24, 24, PaintSizeHi},
    {24, 24, PaintMinePopLo},
    {24, 24, PaintMinePopHi},
    {24, 24, PaintLinkLo},
    {24, 24, PaintLinkHi},
    {24, 24, PaintLinkPattern},
    {24, 24, PaintSmallSquares},
    {24, 24, PaintSmallSquares},
    {24, 24, PaintCellSizeHi},
    {24, 24, PaintPattern},
    {24, 24, PaintHolesLo},
    {24, 24, PaintHolesHi},
    {24, 24, PaintBrain},
    {24, 24, PaintTimed},
    {24, 24, PaintSnail},
    {24, 24, PaintHare},
    {18, 18, PaintTriangleRight},
    {18, 18, PaintTriangleDown},
    {33, 25, PaintTwoPeople},
    {17, 25, PaintOnePerson},
    {32, 32, PaintMatchNarrow},
    {32, 32, PaintMatchWide},
}};

bool Known(TPicture picture) { return picture >= 0 && picture < pic_Count; }
}  // namespace

QSize PictureSize(TPicture picture) {
  if (!Known(picture)) return QSize();
  return QSize(Pictures[picture].Width, Pictures[picture].Height);
}

void PaintPicture(QPainter& painter, TPicture picture, const QPoint& origin) {
  if (!Known(picture)) return;
  painter.save();
  painter.translate(origin);
  painter.setClipRect(QRect(QPoint(0, 0), PictureSize(picture)), Qt::IntersectClip);
  Pictures[picture].Paint(painter);
  painter.restore();
}

QPixmap PicturePixmap(TPicture picture, qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  const QSize size = PictureSize(picture);
  QPixmap pixmap(QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio))));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintPicture(painter, picture, QPoint(0, 0));
  return pixmap;
}

namespace {

// An icon drawn afresh for every size and device pixel ratio it is asked
// for, so that a toolbar on a 1.5x screen gets a picture made for 1.5x
// rather than a 2x one shrunk. A disabled look comes from its own picture
// where the game has one, else from the style, as for any icon.
class TPictureIconEngine final : public QIconEngine {
 public:
  TPictureIconEngine(TPicture normal, TPicture disabled) : Normal(normal), Disabled(disabled) {}

  QIconEngine* clone() const override { return new TPictureIconEngine(*this); }
  QString key() const override { return QStringLiteral("TPictureIconEngine"); }
  bool isNull() override { return !Known(Normal); }

  // The picture's own size, or smaller to fit.
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const QSize natural = PictureSize(Normal);
    if (natural.isEmpty() || size.isEmpty()) return QSize();
    if (natural.width() <= size.width() && natural.height() <= size.height()) return natural;
    return natural.scaled(size, Qt::KeepAspectRatio);
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    const QSize natural = PictureSize(Normal);
    return {natural, natural * 2, natural * 3};
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // The size asked for is in device pixels.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    const qreal ratio = scale > 0 ? std::min<qreal>(scale, 16) : 1.0;
    const QSize logical = actualSize(QSize(int(size.width() / ratio), int(size.height() / ratio)), mode, state);
    if (logical.isEmpty()) return QPixmap();
    const bool ownDisabled = mode == QIcon::Disabled && Known(Disabled);
    const TPicture picture = ownDisabled ? Disabled : Normal;
    QPixmap pixmap = Render(picture, logical, ratio);
    if (mode == QIcon::Disabled && !ownDisabled) {
      QStyleOption option;
      option.palette = QApplication::palette();
      const QPixmap grey = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
      if (!grey.isNull()) pixmap = grey;
    }
    return pixmap;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
    const QSize logical = pixmap.deviceIndependentSize().toSize();
    painter->drawPixmap(rect.x() + (rect.width() - logical.width()) / 2,
                        rect.y() + (rect.height() - logical.height()) / 2, pixmap);
  }

 private:
  static QPixmap Render(TPicture picture, const QSize& logical, qreal ratio) {
    const QSize natural = PictureSize(picture);
    if (logical == natural) return PicturePixmap(picture, ratio);
    QPixmap pixmap(QSize(int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(qreal(logical.width()) / natural.width(), qreal(logical.height()) / natural.height());
    PaintPicture(painter, picture, QPoint(0, 0));
    return pixmap;
  }

  TPicture Normal, Disabled;
};

}  // namespace

QIcon PictureIcon(TPicture picture) { return QIcon(new TPictureIconEngine(picture, pic_Count)); }

QIcon PictureIcon(TPicture picture, TPicture disabled) {
  return QIcon(new TPictureIconEngine(picture, disabled));
}
