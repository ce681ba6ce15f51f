#pragma once
#include <QColor>
#include <QWidget>
#include "board/ColourUtils.h"

// A borderless strip in one colour: the prompt bars under the toolbar's
// buttons, which take a new colour on every tick. It paints only itself,
// and only when its colour changes; a palette would spread every change
// through the widget and its style for a few dozen pixels.
class TColourStrip : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QColor Colour READ Colour)

 public:
  explicit TColourStrip(QWidget* parent);

  QColor Colour() const { return FColour; }
  void SetColour(TColour colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor FColour;
};
