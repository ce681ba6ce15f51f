#pragma once
#include <memory>
#include "board/Canvas.h"

class QPainter;

// The canvas on a QPainter. One object lives as long as its window and keeps
// what drawing can keep between paints (fonts, measured widths, prepared
// glyph images); a painter is attached for each batch of drawing.
class TQtCanvas final : public ICanvas {
 public:
  TQtCanvas();
  ~TQtCanvas() override;

  // The painter must stay active while attached.
  void Attach(QPainter* painter);
  void Detach();
  QPainter* Painter() const;

  void SetBrushColour(TColour colour) override;
  void SetBrushStyle(TBrushStyle style) override;
  void SetPenColour(TColour colour) override;
  void SetPenStyle(TPenStyle style) override;
  void SetPenWidth(int width) override;
  void FillRect(const TRect& rect) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void DrawTile(const TTile& tile) override;
  void SetFont(const TFontSpec& font) override;
  const TFontSpec& Font() const override;
  int TextWidth(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  int GlyphWidth(TGlyph glyph) override;
  void GlyphOut(int x, int y, TGlyph glyph) override;

 private:
  struct TState;
  std::unique_ptr<TState> State;
};
