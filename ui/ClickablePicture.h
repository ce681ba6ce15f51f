#pragma once
#include <QWidget>
#include "ui/Pictures.h"

// One of the game's pictures as a small widget of the picture's size. It
// answers a left click (press and release on it) like a button without a
// frame, and says so through Clicked.
class TClickablePicture : public QWidget {
  Q_OBJECT
 public:
  TClickablePicture(TPicture picture, QWidget* parent);

  TPicture Picture() const { return FPicture; }
  QSize sizeHint() const override;
  // The pointing hand over the picture, for pictures that act like links.
  void ShowHandCursor();
  // What a completed click does; also callable directly.
  void Click();

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TPicture FPicture;
  bool FPressed = false;
};
