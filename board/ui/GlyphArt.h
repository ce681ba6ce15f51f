#pragma once
#include <QColor>
#include <QFont>
#include <QImage>

// The game's own symbols, drawn in place of a symbol font's characters.
// Each is prepared once per font and colour as a premultiplied image whose
// top-left corner goes where a character's top-left would.

// A sea mine: a round body with eight spikes and a glint, filling an em
// square of the font's pixel size, as a symbol character of that size would.
int MineGlyphWidth(const QFont& font);
QImage DrawMineGlyph(const QFont& font, QColor colour);

// A filled round bullet, sized and placed like the text bullet of the font.
int BulletGlyphWidth(const QFont& font);
QImage DrawBulletGlyph(const QFont& font, QColor colour);
