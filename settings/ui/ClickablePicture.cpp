#include "settings/ui/ClickablePicture.h"
#include <QMouseEvent>
#include <QPainter>

TClickablePicture::TClickablePicture(TPicture picture, QWidget* parent)
    : QWidget(parent), FPicture(picture) {
  setFixedSize(PictureSize(picture));
  setAttribute(Qt::WA_TranslucentBackground);
}

void TClickablePicture::SetOnClick(std::function<void()> handler) {
  FOnClick = std::move(handler);
  setCursor(FOnClick ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TClickablePicture::Click() {
  if (FOnClick) FOnClick();
}

void TClickablePicture::paintEvent(QPaintEvent*) {
  // Drawn from vectors at the screen's own resolution, so it stays sharp on
  // high-density screens.
  QPainter painter(this);
  PaintPicture(painter, FPicture, QPoint(0, 0));
}

void TClickablePicture::mousePressEvent(QMouseEvent* event) {
  FPressed = event->button() == Qt::LeftButton;
  event->accept();
}

void TClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release on the picture, like a button's: a
  // press dragged off the picture before release does nothing.
  const bool clicked =
      FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  FPressed = false;
  event->accept();
  if (clicked) Click();
}
