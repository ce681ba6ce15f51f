#include "scores/ui/ScoreHeadWidgets.h"
#include <algorithm>
#include <QEvent>

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
