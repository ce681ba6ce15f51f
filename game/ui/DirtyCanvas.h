#pragma once
#include <QPoint>
#include <QRect>
#include "board/Canvas.h"

// Passes every drawing operation on to the window's canvas and remembers the
// rectangle that the drawing touched, so that only that part of the window
// is shown anew. The board draws a few cells on most ticks; copying the
// whole field to the screen ten times a second would waste the saving.
class TDirtyCanvas final : public ICanvas {
 public:
  // pixelsPerPoint converts font sizes to a generous text height.
  TDirtyCanvas(ICanvas& inner, double pixelsPerPoint);

  // The rectangle touched since the last call; empty when nothing was drawn.
  QRect TakeDirty();

  void SetBrushColour(TColour colour) override { Inner.SetBrushColour(colour); }
  void SetBrushStyle(TBrushStyle style) override { Inner.SetBrushStyle(style); }
  void SetPenColour(TColour colour) override { Inner.SetPenColour(colour); }
  void SetPenStyle(TPenStyle style) override { Inner.SetPenStyle(style); }
  void SetPenWidth(int width) override;
  void FillRect(const TRect& rect) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void DrawTile(const TTile& tile) override;
  void SetFont(const TFontSpec& font) override { Inner.SetFont(font); }
  const TFontSpec& Font() const override { return Inner.Font(); }
  int TextWidth(std::string_view text) override { return Inner.TextWidth(text); }
  void TextOut(int x, int y, std::string_view text) override;
  int GlyphWidth(TGlyph glyph) override { return Inner.GlyphWidth(glyph); }
  void GlyphOut(int x, int y, TGlyph glyph) override;

 private:
  void Touch(const QRect& rect) { Dirty = Dirty.united(rect); }
  // The box that text of the given width at (x, y) can cover.
  QRect TextBox(int x, int y, int width) const;

  ICanvas& Inner;
  double PixelsPerPoint;
  QRect Dirty;
  QPoint Current;
  int PenWidth = 1;
};
