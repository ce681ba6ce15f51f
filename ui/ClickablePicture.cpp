#include "ui/ClickablePicture.h"
#include <QMouseEvent>
#include <QPainter>

TClickablePicture::TClickablePicture(TPicture picture, QWidget* parent)
    : QWidget(parent), FPicture(picture) {
  setFixedSize(PictureSize(picture));
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
}

QSize TClickablePicture::sizeHint() const { return PictureSize(FPicture); }

void TClickablePicture::ShowHandCursor() { setCursor(Qt::PointingHandCursor); }

void TClickablePicture::Click() { emit Clicked(); }

void TClickablePicture::paintEvent(QPaintEvent*) {
  // Drawn from vectors at the screen's own resolution, so it stays sharp on
  // high-density screens; centred should the widget ever be larger.
  QPainter painter(this);
  const QSize size = PictureSize(FPicture);
  PaintPicture(painter, FPicture, QPoint((width() - size.width()) / 2, (height() - size.height()) / 2));
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
