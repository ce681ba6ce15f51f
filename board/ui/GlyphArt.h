#pragma once
#include <QColor>
#include <QFont>
#include <QImage>

// The game's own symbols, drawn in place of a symbol font's characters.
// Each is prepared once per font, colour and device pixel ratio as a
// premultiplied image of device pixels whose top-left corner goes where a
// character's top-left would. Widths are logical pixels.

// A sea mine: a round body with eight spikes and a glint, filling an em
// square of the font's pixel size, as a symbol character of that size would.
int MineGlyphWidth(const QFont& font);
QImage DrawMineGlyph(const QFont& font, QColor colour, double ratio = 1.0);

// A filled round bullet, sized and placed like the text bullet of the font.
int BulletGlyphWidth(const QFont& font);
QImage DrawBulletGlyph(const QFont& font, QColor colour, double ratio = 1.0);
