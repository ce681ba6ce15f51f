#include "about/ui/BevelPanel.h"
#include <QPainter>

TBevelPanel::TBevelPanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
}

namespace {

// One bevel on the rectangle's outermost pixels: topLeft on the top and left
// sides, bottomRight on the bottom and right ones (owning those corners).
void PaintBevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
  painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
  painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
  painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

}  // namespace

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  PaintBevel(painter, rect(), shadow, light);                  // lowered, outside
  PaintBevel(painter, rect().adjusted(1, 1, -1, -1), light, shadow);  // raised, inside
}
