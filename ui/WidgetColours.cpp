#include "ui/WidgetColours.h"
#include <QPalette>
#include <QWidget>

QColor ToQColor(TColour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

TColour FromQColor(const QColor& colour) {
  return RGBColour(colour.red(), colour.green(), colour.blue());
}

void SetBackgroundColour(QWidget* widget, TColour colour) {
  const QColor wanted = ToQColor(colour);
  QPalette palette = widget->palette();
  // Ticks set the same colour again and again; a palette change repaints.
  if (widget->autoFillBackground() && palette.color(widget->backgroundRole()) == wanted) return;
  palette.setColor(widget->backgroundRole(), wanted);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, TColour colour) {
  const QColor wanted = ToQColor(colour);
  QPalette palette = widget->palette();
  if (palette.color(widget->foregroundRole()) == wanted) return;
  palette.setColor(widget->foregroundRole(), wanted);
  widget->setPalette(palette);
}
