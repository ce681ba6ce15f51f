#pragma once
#include <functional>
#include <QWidget>
#include "game/ui/Pictures.h"

// One of the game's pictures as a small widget of the picture's size. When
// it has a click handler it answers a left click (press and release on it)
// like a button without a frame.
class TClickablePicture : public QWidget {
 public:
  TClickablePicture(TPicture picture, QWidget* parent);

  TPicture Picture() const { return FPicture; }
  void SetOnClick(std::function<void()> handler);
  // What a completed click does; also callable directly.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TPicture FPicture;
  std::function<void()> FOnClick;
  bool FPressed = false;
};
