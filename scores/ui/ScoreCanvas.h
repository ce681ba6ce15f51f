#pragma once
#include "board/Canvas.h"

class QPainter;
class QWidget;

// The system button-face colour, in which the score screen's background and
// margins are filled.
TColour ButtonFaceColour(const QWidget& widget);

// The painter behind the window's canvas, for the pictures; null when none
// is attached.
QPainter* CanvasPainter(ICanvas& canvas);

// The table's font: Arial in the given point size.
TFontSpec ScoreFont(int sizePoints, TColour colour, bool bold);
