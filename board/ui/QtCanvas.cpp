#include "board/ui/QtCanvas.h"

#include <QPainter>

struct TQtCanvas::TState {
  QPainter* Painter = nullptr;
  TFontSpec Font;
};

TQtCanvas::TQtCanvas() : State(std::make_unique<TState>()) {}
TQtCanvas::~TQtCanvas() = default;
void TQtCanvas::Attach(QPainter* painter) { State->Painter = painter; }
void TQtCanvas::Detach() { State->Painter = nullptr; }
QPainter* TQtCanvas::Painter() const { return State->Painter; }
void TQtCanvas::SetBrushColour(TColour) {}
void TQtCanvas::SetBrushStyle(TBrushStyle) {}
void TQtCanvas::SetPenColour(TColour) {}
void TQtCanvas::SetPenStyle(TPenStyle) {}
void TQtCanvas::SetPenWidth(int) {}
void TQtCanvas::FillRect(const TRect&) {}
void TQtCanvas::MoveTo(int, int) {}
void TQtCanvas::LineTo(int, int) {}
void TQtCanvas::SetFont(const TFontSpec& font) { State->Font = font; }
const TFontSpec& TQtCanvas::Font() const { return State->Font; }
int TQtCanvas::TextWidth(std::string_view) { return 0; }
void TQtCanvas::TextOut(int, int, std::string_view) {}
int TQtCanvas::GlyphWidth(TGlyph) { return 0; }
void TQtCanvas::GlyphOut(int, int, TGlyph) {}
