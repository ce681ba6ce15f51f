#pragma once
#include "about/art/Geometry.h"

// The game's picture: a few shaped areas of a minefield in the game's own
// look (flat colours, bevels only where areas meet, covered areas raised and
// uncovered ones sunken and paler), one showing its number and one a mine
// gone off. Small sizes keep fewer, larger areas so the icon still reads.
// Opaque adds the dialog-grey ground behind the rounded plate (for the JPEG,
// which has no transparency).
TDrawing DrawArtwork(int size, bool opaque);
