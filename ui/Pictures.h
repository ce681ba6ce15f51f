#pragma once
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QPoint;

// Every picture of the game's windows, drawn in code in one consistent style
// so that it stays crisp at any device pixel ratio.
enum TPicture {
  // Toolbar.
  pic_NewGame,        // 22 x 22
  pic_Menu,           // 16 x 22
  pic_Lifeline,       // 23 x 23
  pic_Pause,          // 16 x 16
  pic_PauseDisabled,  // 16 x 16
  // New game dialog settings, 24 x 24 each.
  pic_SizeLo,         // a small grid
  pic_SizeHi,         // a large grid
  pic_MinePopLo,      // two mines
  pic_MinePopHi,      // many mines
  pic_LinkLo,         // separate mines
  pic_LinkHi,         // mines joined by red links
  pic_LinkPattern,    // two columns of coloured squares
  pic_CellSizeLow,    // a grid of small coloured squares
  pic_Random,         // the same motif: random shapes
  pic_CellSizeHi,     // large coloured patches
  pic_Pattern,        // the outline of a regular tessellation
  pic_HolesLo,        // an empty grid
  pic_HolesHi,        // a grid with black squares
  pic_Brain,          // quick settings
  pic_Timed,          // a dial
  pic_TimedSlow,      // a snail
  pic_TimedFast,      // a hare
  // The compact button's triangles, 18 x 18.
  pic_TriangleRight,
  pic_TriangleDown,
  // Score header.
  pic_TwoPeople,      // 33 x 25
  pic_OnePerson,      // 17 x 25
  pic_MatchNarrow,    // 32 x 32: a small disc inside a wide ring
  pic_MatchWide,      // 32 x 32: a large filled disc
  pic_Count
};

// The picture's size in device-independent pixels.
QSize PictureSize(TPicture picture);
// Draws the picture with its top-left corner at origin, in logical pixels.
void PaintPicture(QPainter& painter, TPicture picture, const QPoint& origin);
// The picture rendered for one device pixel ratio (transparent background).
QPixmap PicturePixmap(TPicture picture, qreal devicePixelRatio = 1.0);
// An icon that draws the picture for whatever size and device pixel ratio
// it is shown at.
QIcon PictureIcon(TPicture picture);
// The same with its own picture for the disabled state.
QIcon PictureIcon(TPicture picture, TPicture disabled);
