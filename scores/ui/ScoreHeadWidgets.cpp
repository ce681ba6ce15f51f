#include "scores/ui/ScoreHeadWidgets.h"
#include <algorithm>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TScorePicture::TScorePicture(TPicture picture, QWidget* parent) : QWidget(parent), Picture(picture) {
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
}

QSize TScorePicture::sizeHint() const { return PictureSize(Picture); }

void TScorePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Centred in the control, which may be a little larger than the picture.
  const QSize size = PictureSize(Picture);
  PaintPicture(painter, Picture, QPoint((width() - size.width()) / 2, (height() - size.height()) / 2));
}

void TScorePicture::mousePressEvent(QMouseEvent* event) {
  Pressed = event->button() == Qt::LeftButton;
  event->accept();
}

// A click is a press and a release over the picture, as with a button.
void TScorePicture::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  Pressed = false;
  event->accept();
  if (click) emit Clicked();
}

TScoreHeadPanel::TScoreHeadPanel(QWidget* window) : QFrame(window) {
  setFrameShape(QFrame::NoFrame);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  window->installEventFilter(this);
}

void TScoreHeadPanel::Place(QWidget* control, const QRect& designGeometry, bool anchorRight, bool stretch) {
  Placements.push_back({control, designGeometry, anchorRight, stretch});
  LayOutControls();
}

void TScoreHeadPanel::FollowWindow() {
  if (parentWidget()) setGeometry(0, y(), parentWidget()->width(), PanelHeight);
}

void TScoreHeadPanel::LayOutControls() {
  const int growth = width() - DesignWidth;
  for (const TPlacement& p : Placements) {
    QRect r = p.Design;
    if (p.Stretch)
      r.setWidth(std::max(0, r.width() + growth));
    else if (p.AnchorRight)
      r.moveLeft(r.left() + growth);
    p.Control->setGeometry(r);
  }
}

void TScoreHeadPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  LayOutControls();
}

// The header spans the window's width whoever lays the window out.
bool TScoreHeadPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) FollowWindow();
  return QFrame::eventFilter(watched, event);
}
