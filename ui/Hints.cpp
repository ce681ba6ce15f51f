#include "ui/Hints.h"
#include <QWidget>

QString HintShortPart(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.left(bar);
}

QString HintLongPart(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(HintShortPart(hint));
  widget->setStatusTip(HintLongPart(hint));
}
