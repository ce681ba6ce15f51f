#pragma once
#include <QRect>
#include <cmath>

// Where the logical pixel grid the game lays out falls on the device's own
// pixels, for a painter shifted by whole logical pixels on a device of any
// pixel ratio. Every edge is rounded the same way, so rectangles that meet
// in logical pixels meet in device pixels too: a tiled field has neither
// gaps nor overlaps at 1.5, and at a whole ratio an edge is simply
// multiplied.
class TDevicePixels {
 public:
  explicit TDevicePixels(double ratio = 1.0, int dx = 0, int dy = 0)
      : Ratio(ratio), Whole(int(ratio) == ratio ? int(ratio) : 0), Dx(dx), Dy(dy) {}

  double Scale() const { return Ratio; }
  int X(int x) const { return Edge(qint64(x) + Dx); }
  int Y(int y) const { return Edge(qint64(y) + Dy); }
  // The device pixels of the logical rectangle.
  QRect Map(const QRect& rect) const {
    return QRect(QPoint(X(rect.left()), Y(rect.top())), QPoint(X(rect.right() + 1) - 1, Y(rect.bottom() + 1) - 1));
  }

 private:
  // Far beyond any screen; keeps the products inside an int.
  static constexpr qint64 Reach = 1 << 24;

  int Edge(qint64 v) const {
    v = v < -Reach ? -Reach : v > Reach ? Reach : v;
    if (Whole) return int(v * Whole);
    return int(std::floor(double(v) * Ratio + 0.5));
  }

  double Ratio;
  int Whole;  // the ratio when it is a whole number, else 0
  int Dx, Dy;
};
