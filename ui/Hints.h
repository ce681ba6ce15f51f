#pragma once
#include <QString>

class QWidget;

// A hint "short|long": the short part is the tool tip, the long part the
// status bar text; a hint without a bar serves as both.
QString HintShortPart(const QString& hint);
QString HintLongPart(const QString& hint);
void SetHint(QWidget* widget, const QString& hint);
