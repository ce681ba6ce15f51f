#include "board/ui/QtCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "board/ui/GlyphArt.h"
#include "game/ui/Cp1252.h"

namespace {

QColor ToQColor(TColour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// The game was laid out at 96 dots per inch: N points are N * 96 / 72
// pixels, rounded, whatever the screen's own resolution. A size of zero or
// less means the default 8 points, as it does for the system's fonts.
int PointsToPixels(int points) {
  if (points <= 0) points = 8;
  return std::max((points * 96 + 36) / 72, 1);
}

// One font with what it costs to measure: kept for the canvas's life.
struct TFontEntry {
  QFont Font;
  int Ascent = 0;
  std::unordered_map<std::string, int> Widths;
  int MineWidth = -1;
  int BulletWidth = -1;
};

// A text or symbol drawn once into a premultiplied image; Offset is where
// its top-left lies from the text's top-left.
struct TPrepared {
  QImage Image;
  QPoint Offset;
};

enum TPreparedKind : char { pk_Text = 'T', pk_Mine = 'M', pk_Bullet = 'B' };

// A prepared image is found by font, colour, kind and text, packed into
// one short string.
std::string PreparedKey(int font, TColour colour, TPreparedKind kind, std::string_view text) {
  std::string key;
  key.reserve(9 + text.size());
  key.append(reinterpret_cast<const char*>(&font), sizeof font);
  key.append(reinterpret_cast<const char*>(&colour), sizeof colour);
  key.push_back(kind);
  key.append(text);
  return key;
}

// Enough for every number, mark and bullet colour of a large field and a
// score screen; beyond it the images are simply prepared again.
constexpr std::size_t MaxPreparedImages = 20000;

}  // namespace

struct TQtCanvas::TState {
  QPainter* Painter = nullptr;
  TColour BrushColour = clWhite;
  TBrushStyle BrushStyle = bs_Solid;
  TColour PenColour = clBlack;
  TPenStyle PenStyle = ps_Solid;
  int PenWidth = 1;
  QPoint Current;

  TFontSpec Requested;
  int FontSlot = -1;  // index into Fonts for Requested, -1 until first used
  std::vector<TFontEntry> Fonts;
  std::map<std::tuple<std::string, int, bool>, int> FontSlots;
  std::unordered_map<std::string, TPrepared> Prepared;

  TFontEntry& CurrentFont();
  const TPrepared& PreparedText(std::string_view text);
  const TPrepared& PreparedGlyph(TGlyph glyph);
  void Plot(int left, int top, int width, int height);
  void Blit(int x, int y, const TPrepared& prepared);
};

TFontEntry& TQtCanvas::TState::CurrentFont() {
  if (FontSlot < 0) {
    const int pixels = PointsToPixels(Requested.SizePoints);
    const auto key = std::make_tuple(Requested.Name, pixels, Requested.Bold);
    auto found = FontSlots.find(key);
    if (found == FontSlots.end()) {
      TFontEntry entry;
      entry.Font = QFont(QString::fromStdString(Requested.Name));
      entry.Font.setPixelSize(pixels);
      entry.Font.setBold(Requested.Bold);
      entry.Ascent = QFontMetrics(entry.Font).ascent();
      Fonts.push_back(std::move(entry));
      found = FontSlots.emplace(key, int(Fonts.size()) - 1).first;
    }
    FontSlot = found->second;
  }
  return Fonts[FontSlot];
}

const TPrepared& TQtCanvas::TState::PreparedText(std::string_view text) {
  const TFontEntry& font = CurrentFont();
  std::string key = PreparedKey(FontSlot, Requested.Colour, pk_Text, text);
  if (auto found = Prepared.find(key); found != Prepared.end()) return found->second;
  if (Prepared.size() >= MaxPreparedImages) Prepared.clear();

  const QString unicode = FromCp1252(text);
  const QFontMetrics metrics(font.Font);
  // The ink may reach past the advance (overhangs, italics): cover both.
  const QRect ink = metrics.boundingRect(unicode).united(
      QRect(0, -font.Ascent, metrics.horizontalAdvance(unicode), metrics.height()));
  TPrepared prepared;
  prepared.Image = QImage(std::max(ink.width(), 1), std::max(ink.height(), 1),
                          QImage::Format_ARGB32_Premultiplied);
  prepared.Image.fill(Qt::transparent);
  prepared.Offset = QPoint(ink.left(), ink.top() + font.Ascent);
  QPainter painter(&prepared.Image);
  painter.setFont(font.Font);
  painter.setPen(ToQColor(Requested.Colour));
  painter.drawText(-ink.left(), -ink.top(), unicode);
  painter.end();
  return Prepared.emplace(std::move(key), std::move(prepared)).first->second;
}

const TPrepared& TQtCanvas::TState::PreparedGlyph(TGlyph glyph) {
  const TFontEntry& font = CurrentFont();
  const TPreparedKind kind = glyph == gl_Mine ? pk_Mine : pk_Bullet;
  std::string key = PreparedKey(FontSlot, Requested.Colour, kind, {});
  if (auto found = Prepared.find(key); found != Prepared.end()) return found->second;
  if (Prepared.size() >= MaxPreparedImages) Prepared.clear();
  TPrepared prepared;
  prepared.Image = glyph == gl_Mine ? DrawMineGlyph(font.Font, ToQColor(Requested.Colour))
                                    : DrawBulletGlyph(font.Font, ToQColor(Requested.Colour));
  return Prepared.emplace(std::move(key), std::move(prepared)).first->second;
}

// Lines are drawn as filled rectangles of whole pixels: exact, and much
// faster than the painter's line drawing.
void TQtCanvas::TState::Plot(int left, int top, int width, int height) {
  if (Painter && width > 0 && height > 0)
    Painter->fillRect(QRect(left, top, width, height), ToQColor(PenColour));
}

void TQtCanvas::TState::Blit(int x, int y, const TPrepared& prepared) {
  if (Painter) Painter->drawImage(QPoint(x, y) + prepared.Offset, prepared.Image);
}

TQtCanvas::TQtCanvas() : State(std::make_unique<TState>()) {}
TQtCanvas::~TQtCanvas() = default;

void TQtCanvas::Attach(QPainter* painter) { State->Painter = painter; }
void TQtCanvas::Detach() { State->Painter = nullptr; }
QPainter* TQtCanvas::Painter() const { return State->Painter; }

void TQtCanvas::SetBrushColour(TColour colour) { State->BrushColour = colour; }
void TQtCanvas::SetBrushStyle(TBrushStyle style) { State->BrushStyle = style; }
void TQtCanvas::SetPenColour(TColour colour) { State->PenColour = colour; }
void TQtCanvas::SetPenStyle(TPenStyle style) { State->PenStyle = style; }
void TQtCanvas::SetPenWidth(int width) { State->PenWidth = std::max(width, 1); }

void TQtCanvas::FillRect(const TRect& rect) {
  if (!State->Painter || State->BrushStyle == bs_Clear) return;
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  State->Painter->fillRect(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
                           ToQColor(State->BrushColour));
}

void TQtCanvas::MoveTo(int x, int y) { State->Current = QPoint(x, y); }

// From the current point up to, not including, (x, y). A wider pen widens
// the line about its middle.
void TQtCanvas::LineTo(int x, int y) {
  const QPoint from = State->Current;
  State->Current = QPoint(x, y);
  if (State->PenStyle == ps_Clear || from == State->Current) return;
  const int width = State->PenWidth, before = (width - 1) / 2;
  if (from.y() == y) {
    const int left = x > from.x() ? from.x() : x + 1;
    State->Plot(left, y - before, std::abs(x - from.x()), width);
  } else if (from.x() == x) {
    const int top = y > from.y() ? from.y() : y + 1;
    State->Plot(x - before, top, width, std::abs(y - from.y()));
  } else {
    // Any other slope: Bresenham's pixels, the end point left out.
    const int dx = std::abs(x - from.x()), dy = -std::abs(y - from.y());
    const int sx = from.x() < x ? 1 : -1, sy = from.y() < y ? 1 : -1;
    int px = from.x(), py = from.y(), error = dx + dy;
    while (px != x || py != y) {
      State->Plot(px - before, py - before, width, width);
      const int twice = 2 * error;
      if (twice >= dy) { error += dy; px += sx; }
      if (twice <= dx) { error += dx; py += sy; }
    }
  }
}

void TQtCanvas::SetFont(const TFontSpec& font) {
  TFontSpec& spec = State->Requested;
  if (font.Name != spec.Name || font.SizePoints != spec.SizePoints || font.Bold != spec.Bold)
    State->FontSlot = -1;
  spec = font;
}

const TFontSpec& TQtCanvas::Font() const { return State->Requested; }

int TQtCanvas::TextWidth(std::string_view text) {
  TFontEntry& font = State->CurrentFont();
  std::string key(text);
  if (auto found = font.Widths.find(key); found != font.Widths.end()) return found->second;
  const int width = QFontMetrics(font.Font).horizontalAdvance(FromCp1252(text));
  font.Widths.emplace(std::move(key), width);
  return width;
}

void TQtCanvas::TextOut(int x, int y, std::string_view text) {
  if (!State->Painter || text.empty()) return;
  State->Blit(x, y, State->PreparedText(text));
}

int TQtCanvas::GlyphWidth(TGlyph glyph) {
  TFontEntry& font = State->CurrentFont();
  int& width = glyph == gl_Mine ? font.MineWidth : font.BulletWidth;
  if (width < 0) width = glyph == gl_Mine ? MineGlyphWidth(font.Font) : BulletGlyphWidth(font.Font);
  return width;
}

void TQtCanvas::GlyphOut(int x, int y, TGlyph glyph) {
  if (!State->Painter) return;
  State->Blit(x, y, State->PreparedGlyph(glyph));
}
