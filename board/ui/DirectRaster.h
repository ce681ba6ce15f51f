#pragma once
#include <QImage>
#include <QRect>
#include <QRgb>

class QPainter;

// Painting straight into the pixels of the image a painter draws on, for
// the two things the board draws by the thousand: solid rectangles and
// prepared glyph images. It serves only while that gives exactly what the
// painter would: a 32-bit opaque or premultiplied image, no clip, full
// opacity and plain source-over. Usable says so before every drawing call,
// since the painter's owner may change its state between calls; otherwise
// the caller draws with the painter. The caller works out the device
// pixels (the image may have any device pixel ratio) and makes sure the
// painter's transform allows that.
class TDirectRaster {
 public:
  void Bind(QPainter* painter);
  void Unbind();
  bool Usable() const;

  // Both take device pixels; Usable must have said yes just before.
  void Fill(QRect rect, QRgb colour);
  // The rectangle filled with `fill`, then lines one pixel wide along the
  // chosen edges: bottom and right in `bottomRight`, then left and top in
  // `topLeft`. edges holds the bits below.
  static constexpr unsigned te_Bottom = 1, te_Right = 2, te_Left = 4, te_Top = 8;
  void FillTile(QRect rect, QRgb fill, QRgb bottomRight, QRgb topLeft, unsigned edges);
  // Source-over of a premultiplied image with its top-left at (x, y).
  void Blend(int x, int y, const QImage& image);

 private:
  static constexpr qsizetype CacheLine = 64;
  static constexpr int MaxPrefetchRows = 64, MaxPrefetchPixels = 256;
  // Asks for the pixels of the rows under a tile, from left to right.
  void PrefetchBelow(int left, int right, int bottom, int rows) const;

  QPainter* Painter = nullptr;
  QImage* Image = nullptr;  // the painter's device when it is a suitable image
  uchar* Bits = nullptr;
  qsizetype Stride = 0;
  int Width = 0, Height = 0;
  bool Prefetch = false;  // the image has several device pixels per logical one
};
