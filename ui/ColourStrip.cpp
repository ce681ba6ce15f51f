#include "ui/ColourStrip.h"
#include <QPainter>
#include <QPaintEvent>
#include "ui/WidgetColours.h"

TColourStrip::TColourStrip(QWidget* parent) : QWidget(parent), FColour(palette().color(QPalette::Highlight)) {
  // Every pixel is painted: Qt need neither erase the strip nor paint what
  // lies under it.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TColourStrip::SetColour(TColour colour) {
  const QColor wanted = ToQColor(colour);
  if (wanted == FColour) return;
  FColour = wanted;
  update();
}

void TColourStrip::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), FColour);
}
