#pragma once
#include <QColor>
#include "board/ColourUtils.h"

class QWidget;

// The game's colours are 0x00BBGGRR values; Qt's are QColor.
QColor ToQColor(TColour colour);
TColour FromQColor(const QColor& colour);

// Paints a panel's whole background in one colour (the prompt bars, the
// countdown bar).
void SetBackgroundColour(QWidget* widget, TColour colour);
// The colour of a label's text.
void SetTextColour(QWidget* widget, TColour colour);
