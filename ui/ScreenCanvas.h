#pragma once
#include <QRect>
#include "board/Canvas.h"

// What a screen needs of the window that shows it: the window's canvas (an
// image of the client area that keeps what is drawn on it), a way to say
// which part of it changed, and the heights of the window's own bars, which
// frame the screen's drawing.
class IScreenCanvas {
 public:
  virtual ~IScreenCanvas() = default;
  virtual ICanvas& Canvas() = 0;
  virtual void CanvasChanged(const QRect& region) = 0;
  virtual int ToolbarPixelHeight() const = 0;
  virtual int StatusBarPixelHeight() const = 0;
};
