#pragma once
#include <string>
#include <string_view>
#include "board/ColourUtils.h"

// A rectangle of pixels; right and bottom are exclusive.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

enum TPenStyle { ps_Solid, ps_Clear };
enum TBrushStyle { bs_Solid, bs_Clear };

// The symbols that a symbol font would give: the mine (shown red when a
// mine is exposed, black as the player's mark) and the small bullet that
// marks an area's other cells in "One Mark in Areas" mode.
enum TGlyph { gl_Mine, gl_Bullet };

// A flat tile with one-pixel lines along some of its edges: first the
// bottom and right ones in one colour, then the left and top ones in
// another, so that those own the corners.
struct TTile {
  TRect Rect;
  TColour Fill = clWhite;
  TColour BottomRight = clBlack, TopLeft = clWhite;
  bool Bottom = false, Right = false, Left = false, Top = false;
};

struct TFontSpec {
  std::string Name = "Tahoma";
  int SizePoints = 8;
  TColour Colour = clBlack;
  bool Bold = false;
};

// The drawing operations that the board and the score screen need. Text is
// 8-bit Windows-1252. One adapter paints on a QPainter; tests may record or
// paint into an image.
class ICanvas {
 public:
  virtual ~ICanvas() = default;

  virtual void SetBrushColour(TColour colour) = 0;
  virtual void SetBrushStyle(TBrushStyle style) = 0;
  virtual void SetPenColour(TColour colour) = 0;
  virtual void SetPenStyle(TPenStyle style) = 0;
  virtual void SetPenWidth(int width) = 0;

  // Fills the rectangle with the brush colour; the pen is not used.
  virtual void FillRect(const TRect& rect) = 0;
  // A line with the pen from the current point, excluding its end point,
  // which becomes the current point.
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;

  // Text is drawn with a transparent background, its top-left at (x, y).
  virtual void SetFont(const TFontSpec& font) = 0;
  virtual const TFontSpec& Font() const = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;

  // A symbol glyph in the current font's size and colour, like a one
  // character text.
  virtual int GlyphWidth(TGlyph glyph) = 0;
  virtual void GlyphOut(int x, int y, TGlyph glyph) = 0;

  // The tile with the brush and a solid one-pixel pen, which keep the
  // colours the tile gave them; where the pen then stands is not said. A
  // canvas may draw the thousands of tiles of a field faster than line by
  // line; the pixels are the same.
  virtual void DrawTile(const TTile& tile);

  // One-pixel lines with the pen through both end pixels.
  void HorizontalLine(int left, int right, int y) {
    MoveTo(left, y);
    LineTo(right + 1, y);
  }
  void VerticalLine(int x, int top, int bottom) {
    MoveTo(x, top);
    LineTo(x, bottom + 1);
  }
};

inline void ICanvas::DrawTile(const TTile& tile) {
  const TRect& rect = tile.Rect;
  SetPenStyle(ps_Clear);
  SetBrushStyle(bs_Solid);
  SetBrushColour(tile.Fill);
  FillRect(rect);
  SetPenStyle(ps_Solid);
  SetPenWidth(1);
  if (tile.Bottom || tile.Right) {
    SetPenColour(tile.BottomRight);
    if (tile.Bottom) HorizontalLine(rect.Left, rect.Right - 1, rect.Bottom - 1);
    if (tile.Right) VerticalLine(rect.Right - 1, rect.Top, rect.Bottom - 1);
  }
  if (tile.Left || tile.Top) {
    SetPenColour(tile.TopLeft);
    if (tile.Left) VerticalLine(rect.Left, rect.Top, rect.Bottom - 1);
    if (tile.Top) HorizontalLine(rect.Left, rect.Right - 1, rect.Top);
  }
}
