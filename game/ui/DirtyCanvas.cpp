#include "game/ui/DirtyCanvas.h"
#include <algorithm>
#include <cmath>

TDirtyCanvas::TDirtyCanvas(ICanvas& inner, double pixelsPerPoint)
    : Inner(inner), PixelsPerPoint(pixelsPerPoint) {}

QRect TDirtyCanvas::TakeDirty() {
  const QRect dirty = Dirty;
  Dirty = QRect();
  return dirty;
}

void TDirtyCanvas::SetPenWidth(int width) {
  PenWidth = std::max(1, width);
  Inner.SetPenWidth(width);
}

void TDirtyCanvas::FillRect(const TRect& rect) {
  Touch(QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)).normalized());
  Inner.FillRect(rect);
}

void TDirtyCanvas::DrawTile(const TTile& tile) {
  const TRect& rect = tile.Rect;
  Touch(QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)).normalized());
  PenWidth = 1;
  Inner.DrawTile(tile);
}

void TDirtyCanvas::MoveTo(int x, int y) {
  Current = QPoint(x, y);
  Inner.MoveTo(x, y);
}

void TDirtyCanvas::LineTo(int x, int y) {
  const int reach = PenWidth;  // a wide pen spreads to both sides of the line
  Touch(QRect(Current, QPoint(x, y)).normalized().adjusted(-reach, -reach, reach, reach));
  Current = QPoint(x, y);
  Inner.LineTo(x, y);
}

QRect TDirtyCanvas::TextBox(int x, int y, int width) const {
  // Glyphs of some fonts overhang their advance a little; be generous.
  const int height = int(std::ceil(Inner.Font().SizePoints * PixelsPerPoint * 1.6)) + 4;
  const int overhang = height / 4 + 2;
  return QRect(x - overhang, y - 2, std::max(0, width) + 2 * overhang, height);
}

void TDirtyCanvas::TextOut(int x, int y, std::string_view text) {
  Touch(TextBox(x, y, Inner.TextWidth(text)));
  Inner.TextOut(x, y, text);
}

void TDirtyCanvas::GlyphOut(int x, int y, TGlyph glyph) {
  Touch(TextBox(x, y, Inner.GlyphWidth(glyph)));
  Inner.GlyphOut(x, y, glyph);
}
