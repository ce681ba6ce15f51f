#include "settings/ui/FittedLabel.h"
#include <algorithm>
#include <QPainter>
#include <QTextLayout>

TFittedLabel::TFittedLabel(QWidget* parent) : QLabel(parent) {
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
}

bool TFittedLabel::TextFits() const {
  const QRect area = contentsRect();
  const QRect needed = fontMetrics().boundingRect(area, Qt::TextWordWrap | int(alignment()), text());
  return needed.height() <= area.height() && needed.width() <= area.width();
}

void TFittedLabel::paintEvent(QPaintEvent* event) {
  if (TextFits()) {
    QLabel::paintEvent(event);
    return;
  }
  PaintShortened();
}

void TFittedLabel::PaintShortened() {
  const QRect area = contentsRect();
  const QFontMetrics metrics = fontMetrics();
  const int lineCount = std::max(1, area.height() / metrics.lineSpacing());
  const QString whole = text();

  // Break the text as the label would, then keep the lines that fit; the
  // last kept line takes the rest of the text, shortened with an ellipsis.
  QTextLayout layout(whole, font());
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(area.width());
    if (int(lines.size()) == lineCount - 1) {
      lines << metrics.elidedText(whole.mid(line.textStart()).simplified(), Qt::ElideRight, area.width());
      break;
    }
    lines << whole.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();

  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  const int blockHeight = int(lines.size()) * metrics.lineSpacing();
  int y = area.top() + (area.height() - blockHeight) / 2;
  for (const QString& line : lines) {
    painter.drawText(QRect(area.left(), y, area.width(), metrics.lineSpacing()),
                     int(Qt::AlignLeft | Qt::AlignVCenter), line);
    y += metrics.lineSpacing();
  }
}
