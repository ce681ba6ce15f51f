#pragma once
#include <QImage>
#include <QPainter>

#include "board/ColourUtils.h"
#include "board/ui/QtCanvas.h"

// An image to paint on through the canvas, white to start with.
class TCanvasImage {
 public:
  explicit TCanvasImage(int width = 200, int height = 200, bool clipped = false)
      : Image(width, height, QImage::Format_RGB32) {
    Image.fill(Qt::white);
    Painter.begin(&Image);
    // A clip that covers everything changes nothing on screen but sends
    // every call through the painter instead of the direct pixel path.
    if (clipped) Painter.setClipRect(Image.rect());
    Canvas.Attach(&Painter);
  }
  ~TCanvasImage() { Finish(); }

  // Ends the painting; the image is then complete.
  const QImage& Finish() {
    if (Painter.isActive()) {
      Canvas.Detach();
      Painter.end();
    }
    return Image;
  }
  TColour Pixel(int x, int y) {
    Finish();
    const QRgb rgb = Image.pixel(x, y);
    return RGBColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
  }

  QImage Image;
  QPainter Painter;
  TQtCanvas Canvas;
};

inline int ChannelDistance(TColour a, TColour b) {
  return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                   std::abs(BlueOf(a) - BlueOf(b))});
}
