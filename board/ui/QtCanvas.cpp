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

#include "board/ui/DirectRaster.h"
#include "board/ui/GlyphArt.h"
#include "ui/Cp1252.h"

namespace {

QRgb ToQRgb(TColour colour) { return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)); }
QColor ToQColor(TColour colour) { return QColor(ToQRgb(colour)); }

// The game was laid out at 96 dots per inch: N points are N * 96 / 72
// pixels, rounded, whatever the screen's own resolution. A size of zero or
// less means the default 8 points, as it does for the system's fonts.
int PointsToPixels(int points) {
  if (points <= 0) points = 8;
  points = std::min(points, 10000);  // nothing larger fits any screen
  return std::max((points * 96 + 36) / 72, 1);
}

// A text or symbol drawn once into a premultiplied image; Offset is where
// the image's top-left lies from the text's top-left.
struct TPrepared {
  QImage Image;
  QPoint Offset;
};

// One text in one font: its width and its images by colour (a text seldom
// shows in more than one or two colours).
struct TTextEntry {
  int Width = -1;
  std::vector<std::pair<TColour, TPrepared>> Images;
};

// A symbol in one font: its width and its images by colour (the bullet
// takes the colour of every area).
struct TGlyphEntry {
  int Width = -1;
  std::unordered_map<TColour, TPrepared> Images;
};

// One font with what it costs to measure and draw, kept for the canvas's
// life.
struct TFontEntry {
  QFont Font;
  int Ascent = 0;
  std::unordered_map<std::string, TTextEntry> Texts;
  TGlyphEntry Glyphs[2];  // by TGlyph
};

// Cuts a prepared image down to its ink, moving its offset to match, so
// that drawing it touches no empty pixels.
void CropToInk(TPrepared& prepared) {
  const QImage& image = prepared.Image;
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  }
  if (right < 0) left = top = right = bottom = 0;  // no ink: one clear pixel
  prepared.Image = image.copy(left, top, right - left + 1, bottom - top + 1);
  prepared.Offset += QPoint(left, top);
}

// Enough for every number, mark and bullet colour of a large field and a
// score screen; beyond it the images are simply prepared again.
constexpr std::size_t MaxPreparedImages = 20000;

}  // namespace

struct TQtCanvas::TState {
  QPainter* Painter = nullptr;
  TDirectRaster Raster;
  TColour BrushColour = clWhite;
  TBrushStyle BrushStyle = bs_Solid;
  TColour PenColour = clBlack;
  TPenStyle PenStyle = ps_Solid;
  int PenWidth = 1;
  QPoint Current;

  TFontSpec Requested;
  TFontEntry* Font = nullptr;  // the entry for Requested, found when first needed
  std::vector<std::unique_ptr<TFontEntry>> Fonts;
  std::map<std::tuple<std::string, int, bool>, TFontEntry*> FontsByKey;
  std::size_t PreparedCount = 0;
  // The text last measured or drawn: a number is measured and then drawn
  // at once, so the second look-up is free.
  TFontEntry* LastFont = nullptr;
  std::string LastText;
  TTextEntry* LastEntry = nullptr;

  TFontEntry& CurrentFont();
  TTextEntry& TextEntry(std::string_view text);
  const TPrepared& PreparedText(std::string_view text);
  const TPrepared& PreparedGlyph(TGlyph glyph);
  void NotePrepared();
  void Fill(const QRect& rect, TColour colour);
  void Blit(int x, int y, const TPrepared& prepared);
};

TFontEntry& TQtCanvas::TState::CurrentFont() {
  if (!Font) {
    const int pixels = PointsToPixels(Requested.SizePoints);
    auto key = std::make_tuple(Requested.Name, pixels, Requested.Bold);
    auto found = FontsByKey.find(key);
    if (found == FontsByKey.end()) {
      auto entry = std::make_unique<TFontEntry>();
      entry->Font = QFont(QString::fromStdString(Requested.Name));
      entry->Font.setPixelSize(pixels);
      entry->Font.setBold(Requested.Bold);
      entry->Ascent = QFontMetrics(entry->Font).ascent();
      found = FontsByKey.emplace(std::move(key), entry.get()).first;
      Fonts.push_back(std::move(entry));
    }
    Font = found->second;
  }
  return *Font;
}

TTextEntry& TQtCanvas::TState::TextEntry(std::string_view text) {
  TFontEntry& font = CurrentFont();
  if (LastEntry && LastFont == &font && LastText == text) return *LastEntry;
  auto found = font.Texts.find(std::string(text));
  if (found == font.Texts.end()) found = font.Texts.emplace(std::string(text), TTextEntry{}).first;
  LastFont = &font;
  LastText.assign(text);
  LastEntry = &found->second;
  return found->second;
}

// Past the limit every prepared image is dropped and made again on demand.
void TQtCanvas::TState::NotePrepared() {
  if (++PreparedCount <= MaxPreparedImages) return;
  for (auto& font : Fonts) {
    font->Texts.clear();
    for (auto& glyph : font->Glyphs) glyph.Images.clear();
  }
  LastEntry = nullptr;
  PreparedCount = 1;
}

const TPrepared& TQtCanvas::TState::PreparedText(std::string_view text) {
  TTextEntry* entry = &TextEntry(text);
  for (const auto& [colour, prepared] : entry->Images)
    if (colour == Requested.Colour) return prepared;
  NotePrepared();
  entry = &TextEntry(text);  // the caches may just have been emptied

  const TFontEntry& font = CurrentFont();
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
  CropToInk(prepared);
  entry->Images.emplace_back(Requested.Colour, std::move(prepared));
  return entry->Images.back().second;
}

const TPrepared& TQtCanvas::TState::PreparedGlyph(TGlyph glyph) {
  auto& images = CurrentFont().Glyphs[glyph].Images;
  if (auto found = images.find(Requested.Colour); found != images.end()) return found->second;
  NotePrepared();
  const QFont& font = CurrentFont().Font;
  TPrepared prepared;
  prepared.Image = glyph == gl_Mine ? DrawMineGlyph(font, ToQColor(Requested.Colour))
                                    : DrawBulletGlyph(font, ToQColor(Requested.Colour));
  CropToInk(prepared);
  return CurrentFont().Glyphs[glyph].Images.emplace(Requested.Colour, std::move(prepared)).first->second;
}

void TQtCanvas::TState::Fill(const QRect& rect, TColour colour) {
  if (!Painter || rect.isEmpty()) return;
  if (Raster.Usable())
    Raster.Fill(rect, ToQRgb(colour));
  else
    Painter->fillRect(rect, ToQColor(colour));
}

void TQtCanvas::TState::Blit(int x, int y, const TPrepared& prepared) {
  if (!Painter) return;
  const QPoint at = QPoint(x, y) + prepared.Offset;
  if (Raster.Usable())
    Raster.Blend(at.x(), at.y(), prepared.Image);
  else
    Painter->drawImage(at, prepared.Image);
}

TQtCanvas::TQtCanvas() : State(std::make_unique<TState>()) {}
TQtCanvas::~TQtCanvas() = default;

void TQtCanvas::Attach(QPainter* painter) {
  State->Painter = painter;
  State->Raster.Bind(painter);
}

void TQtCanvas::Detach() {
  State->Painter = nullptr;
  State->Raster.Unbind();
}

QPainter* TQtCanvas::Painter() const { return State->Painter; }

void TQtCanvas::SetBrushColour(TColour colour) { State->BrushColour = colour; }
void TQtCanvas::SetBrushStyle(TBrushStyle style) { State->BrushStyle = style; }
void TQtCanvas::SetPenColour(TColour colour) { State->PenColour = colour; }
void TQtCanvas::SetPenStyle(TPenStyle style) { State->PenStyle = style; }
void TQtCanvas::SetPenWidth(int width) { State->PenWidth = std::clamp(width, 1, 10000); }

void TQtCanvas::FillRect(const TRect& rect) {
  if (State->BrushStyle == bs_Clear) return;
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  State->Fill(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top), State->BrushColour);
}

void TQtCanvas::MoveTo(int x, int y) { State->Current = QPoint(x, y); }

// From the current point up to, not including, (x, y), drawn as filled
// rectangles of whole pixels: exact, and much faster than the painter's
// lines. A wider pen widens the line about its middle.
void TQtCanvas::LineTo(int x, int y) {
  const QPoint from = State->Current;
  State->Current = QPoint(x, y);
  if (State->PenStyle == ps_Clear || from == State->Current) return;
  const int width = State->PenWidth, before = (width - 1) / 2;
  const TColour colour = State->PenColour;
  if (from.y() == y) {
    const int left = x > from.x() ? from.x() : x + 1;
    State->Fill(QRect(left, y - before, std::abs(x - from.x()), width), colour);
  } else if (from.x() == x) {
    const int top = y > from.y() ? from.y() : y + 1;
    State->Fill(QRect(x - before, top, width, std::abs(y - from.y())), colour);
  } else {
    // Any other slope: Bresenham's pixels, the end point left out.
    const int dx = std::abs(x - from.x()), dy = -std::abs(y - from.y());
    const int sx = from.x() < x ? 1 : -1, sy = from.y() < y ? 1 : -1;
    int px = from.x(), py = from.y(), error = dx + dy;
    while (px != x || py != y) {
      State->Fill(QRect(px - before, py - before, width, width), colour);
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        px += sx;
      }
      if (twice <= dx) {
        error += dx;
        py += sy;
      }
    }
  }
}

void TQtCanvas::SetFont(const TFontSpec& font) {
  TFontSpec& requested = State->Requested;
  if (font.SizePoints != requested.SizePoints || font.Bold != requested.Bold || font.Name != requested.Name) {
    State->Font = nullptr;
    requested.Name = font.Name;
    requested.SizePoints = font.SizePoints;
    requested.Bold = font.Bold;
  }
  requested.Colour = font.Colour;
}

const TFontSpec& TQtCanvas::Font() const { return State->Requested; }

int TQtCanvas::TextWidth(std::string_view text) {
  TTextEntry& entry = State->TextEntry(text);
  if (entry.Width < 0)
    entry.Width = QFontMetrics(State->CurrentFont().Font).horizontalAdvance(FromCp1252(text));
  return entry.Width;
}

void TQtCanvas::TextOut(int x, int y, std::string_view text) {
  if (!State->Painter || text.empty()) return;
  State->Blit(x, y, State->PreparedText(text));
}

int TQtCanvas::GlyphWidth(TGlyph glyph) {
  TFontEntry& font = State->CurrentFont();
  int& width = font.Glyphs[glyph].Width;
  if (width < 0) width = glyph == gl_Mine ? MineGlyphWidth(font.Font) : BulletGlyphWidth(font.Font);
  return width;
}

void TQtCanvas::GlyphOut(int x, int y, TGlyph glyph) {
  if (!State->Painter) return;
  State->Blit(x, y, State->PreparedGlyph(glyph));
}
