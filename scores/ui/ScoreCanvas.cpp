#include "scores/ui/ScoreCanvas.h"
#include <QPalette>
#include <QWidget>
#include "board/ui/QtCanvas.h"

TColour ButtonFaceColour(const QWidget& widget) {
  const QColor face = widget.palette().color(QPalette::Button);
  return RGBColour(face.red(), face.green(), face.blue());
}

QPainter* CanvasPainter(ICanvas& canvas) {
  // The window's canvas is always the Qt adapter; anything else (a recording
  // canvas in a tool) simply gets no pictures.
  auto* qtCanvas = dynamic_cast<TQtCanvas*>(&canvas);
  return qtCanvas ? qtCanvas->Painter() : nullptr;
}

TFontSpec ScoreFont(int sizePoints, TColour colour, bool bold) {
  TFontSpec font;
  font.Name = "Arial";
  font.SizePoints = sizePoints;
  font.Colour = colour;
  font.Bold = bold;
  return font;
}
