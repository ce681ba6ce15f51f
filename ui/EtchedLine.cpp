#include "ui/EtchedLine.h"

QFrame* MakeEtchedLine(QWidget* parent, QFrame::Shape shape) {
  auto* line = new QFrame(parent);
  line->setFrameShape(shape);
  line->setFrameShadow(QFrame::Sunken);
  line->setLineWidth(1);
  return line;
}
