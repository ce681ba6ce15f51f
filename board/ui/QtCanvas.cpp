#include "board/ui/QtCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "board/ui/DevicePixels.h"
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

// A text or symbol drawn once into a premultiplied image of device pixels;
// Offset is where the image's top-left lies from the text's top-left, in
// device pixels.
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
  // The entries of one-character texts, the digits of most areas, found
  // without hashing. The map's entries stay where they are until it is
  // emptied.
  std::array<TTextEntry*, 256> SingleCharacters{};
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

// Names and texts are a few characters, compared for every cell of a field:
// a plain loop costs less than a library call.
bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The device pixel ratio of the painter's device, within what any screen
// has.
double RatioOf(const QPainter* painter) {
  const double ratio = painter && painter->device() ? painter->device()->devicePixelRatio() : 1.0;
  return ratio > 0 ? std::clamp(ratio, 0.25, 16.0) : 1.0;
}

// Whether the painter's transform shifts by whole logical pixels only; the
// canvas then knows the device pixel of every logical one.
bool WholePixelOffset(const QTransform& transform, int& dx, int& dy) {
  const QTransform::TransformationType type = transform.type();
  if (type == QTransform::TxNone) {
    dx = dy = 0;  // the board's own painter, drawing thousands of cells
    return true;
  }
  if (type > QTransform::TxTranslate) return false;
  if (std::abs(transform.dx()) > 1e7 || std::abs(transform.dy()) > 1e7) return false;
  dx = int(std::lround(transform.dx()));
  dy = int(std::lround(transform.dy()));
  return dx == transform.dx() && dy == transform.dy();
}

// Bresenham's pixels from `from` up to, not including, `to`.
template <typename TPlot>
void BresenhamLine(QPoint from, QPoint to, TPlot plot) {
  const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
  const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
  int px = from.x(), py = from.y(), error = dx + dy;
  while (px != to.x() || py != to.y()) {
    plot(px, py);
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

// How a drawing call reaches the device. The first two give the same
// device pixels, which the canvas works out itself; the last leaves the
// mapping to a painter that is scaled, rotated or shifted by a fraction.
enum TRoute { rt_Direct, rt_DevicePainter, rt_LogicalPainter };

// Enough for every number, mark and bullet colour of a large field and a
// score screen; beyond it the images are simply prepared again.
constexpr std::size_t MaxPreparedImages = 20000;

}  // namespace

struct TQtCanvas::TState {
  QPainter* Painter = nullptr;
  TDirectRaster Raster;
  double Ratio = 1.0;  // of the attached painter's device, and of the prepared images
  TDevicePixels Device;  // set by Route for the call in hand
  // The rectangle filled last, in logical pixels: a one-pixel line along
  // its edge is its bevel.
  QRect Tile;
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
  void DropPrepared();
  TRoute Route();
  void FillDevice(TRoute route, const QRect& device, TColour colour);
  void Fill(const QRect& rect, TColour colour);
  void Line(QPoint from, QPoint to);
  void LogicalLine(QPoint from, QPoint to);
  void DeviceLine(TRoute route, QPoint from, QPoint to);
  QRect DeviceBand(int from, int to, int across, bool horizontal) const;
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
  if (LastEntry && LastFont == &font && SameText(LastText, text)) return *LastEntry;
  TTextEntry** single = text.size() == 1 ? &font.SingleCharacters[static_cast<unsigned char>(text[0])] : nullptr;
  TTextEntry* entry = single ? *single : nullptr;
  if (!entry) {
    auto found = font.Texts.find(std::string(text));
    if (found == font.Texts.end()) found = font.Texts.emplace(std::string(text), TTextEntry{}).first;
    entry = &found->second;
    if (single) *single = entry;
  }
  LastFont = &font;
  LastText.assign(text);
  LastEntry = entry;
  return *entry;
}

// Past the limit every prepared image is dropped and made again on demand.
void TQtCanvas::TState::NotePrepared() {
  if (++PreparedCount <= MaxPreparedImages) return;
  DropPrepared();
  PreparedCount = 1;
}

void TQtCanvas::TState::DropPrepared() {
  for (auto& font : Fonts) {
    font->Texts.clear();
    font->SingleCharacters.fill(nullptr);
    for (auto& glyph : font->Glyphs) glyph.Images.clear();
  }
  LastEntry = nullptr;
  PreparedCount = 0;
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
  // At another ratio the font is hinted for its device size, whose ink may
  // stray a little further than the logical metrics say.
  const int margin = Ratio == 1.0 ? 0 : 1;
  const QRect ink = metrics.boundingRect(unicode)
                        .united(QRect(0, -font.Ascent, metrics.horizontalAdvance(unicode), metrics.height()))
                        .adjusted(-margin, -margin, margin, margin);
  // The box in device pixels, from the text's top-left; its corner is a
  // whole device pixel, so the text lands on the image's grid as it will
  // on the device's.
  const QPoint corner(int(std::floor(ink.left() * Ratio)), int(std::floor((ink.top() + font.Ascent) * Ratio)));
  const QPoint end(int(std::ceil((ink.left() + ink.width()) * Ratio)),
                   int(std::ceil((ink.top() + font.Ascent + ink.height()) * Ratio)));
  TPrepared prepared;
  prepared.Image = QImage(std::max(end.x() - corner.x(), 1), std::max(end.y() - corner.y(), 1),
                          QImage::Format_ARGB32_Premultiplied);
  prepared.Image.fill(Qt::transparent);
  prepared.Image.setDevicePixelRatio(Ratio);  // the font is rendered for the device, not scaled up
  prepared.Offset = corner;
  QPainter painter(&prepared.Image);
  painter.setFont(font.Font);
  painter.setPen(ToQColor(Requested.Colour));
  painter.drawText(QPointF(-corner.x() / Ratio, -corner.y() / Ratio + font.Ascent), unicode);
  painter.end();
  prepared.Image.setDevicePixelRatio(1.0);
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
  prepared.Image = glyph == gl_Mine ? DrawMineGlyph(font, ToQColor(Requested.Colour), Ratio)
                                    : DrawBulletGlyph(font, ToQColor(Requested.Colour), Ratio);
  CropToInk(prepared);
  return CurrentFont().Glyphs[glyph].Images.emplace(Requested.Colour, std::move(prepared)).first->second;
}

// The painter's state may change between any two calls: the caller may
// clip, translate, fade or end and begin again on another device.
TRoute TQtCanvas::TState::Route() {
  int dx = 0, dy = 0;
  if (!WholePixelOffset(Painter->worldTransform(), dx, dy)) return rt_LogicalPainter;
  Device = TDevicePixels(Ratio, dx, dy);
  if (Raster.Usable()) return rt_Direct;
  // The painter is then set to draw device pixels one to one, which needs
  // the inverse ratio to undo the device's scale exactly.
  return (1.0 / Ratio) * Ratio == 1.0 ? rt_DevicePainter : rt_LogicalPainter;
}

void TQtCanvas::TState::FillDevice(TRoute route, const QRect& device, TColour colour) {
  if (device.isEmpty()) return;
  if (route == rt_Direct) {
    Raster.Fill(device, ToQRgb(colour));
    return;
  }
  const QTransform kept = Painter->worldTransform();
  Painter->setWorldTransform(QTransform::fromScale(1.0 / Ratio, 1.0 / Ratio));
  Painter->fillRect(device, ToQColor(colour));
  Painter->setWorldTransform(kept);
}

void TQtCanvas::TState::Fill(const QRect& rect, TColour colour) {
  if (!Painter || rect.isEmpty()) return;
  const TRoute route = Route();
  if (route == rt_LogicalPainter)
    Painter->fillRect(rect, ToQColor(colour));
  else
    FillDevice(route, Device.Map(rect), colour);
}

void TQtCanvas::TState::Line(QPoint from, QPoint to) {
  if (!Painter) return;
  const TRoute route = Route();
  if (route == rt_LogicalPainter)
    LogicalLine(from, to);
  else
    DeviceLine(route, from, to);
}

// From one point up to, not including, the other, drawn as filled
// rectangles of whole logical pixels: exact, and much faster than the
// painter's lines. A wider pen widens the line about its middle.
void TQtCanvas::TState::LogicalLine(QPoint from, QPoint to) {
  const int width = PenWidth, before = (width - 1) / 2;
  const QColor colour = ToQColor(PenColour);
  if (from.y() == to.y()) {
    const int left = to.x() > from.x() ? from.x() : to.x() + 1;
    Painter->fillRect(QRect(left, to.y() - before, std::abs(to.x() - from.x()), width), colour);
  } else if (from.x() == to.x()) {
    const int top = to.y() > from.y() ? from.y() : to.y() + 1;
    Painter->fillRect(QRect(to.x() - before, top, width, std::abs(to.y() - from.y())), colour);
  } else {
    BresenhamLine(from, to, [&](int x, int y) {
      Painter->fillRect(QRect(x - before, y - before, width, width), colour);
    });
  }
}

// The same line in device pixels. A one-pixel pen draws one device pixel
// across at any ratio, as a hairline; a wider pen's width is a size and
// grows with the ratio.
void TQtCanvas::TState::DeviceLine(TRoute route, QPoint from, QPoint to) {
  if (from.y() == to.y()) {
    FillDevice(route, DeviceBand(from.x(), to.x(), to.y(), true), PenColour);
  } else if (from.x() == to.x()) {
    FillDevice(route, DeviceBand(from.y(), to.y(), to.x(), false), PenColour);
  } else if (PenWidth == 1) {
    const QPoint start(Device.X(from.x()), Device.Y(from.y())), end(Device.X(to.x()), Device.Y(to.y()));
    BresenhamLine(start, end, [&](int x, int y) { FillDevice(route, QRect(x, y, 1, 1), PenColour); });
  } else {
    const int before = (PenWidth - 1) / 2;
    BresenhamLine(from, to, [&](int x, int y) {
      FillDevice(route, Device.Map(QRect(x - before, y - before, PenWidth, PenWidth)), PenColour);
    });
  }
}

// The device pixels of a straight line from `from` up to, not including,
// `to`, along row (or column) `across`. A hairline along the edge of the
// rectangle just filled is that tile's bevel: its one device pixel lies on
// the tile's outer edge, so that the bevels of neighbouring tiles meet as
// they do at ratio 1, dark against light.
QRect TQtCanvas::TState::DeviceBand(int from, int to, int across, bool horizontal) const {
  const int first = to > from ? from : to + 1, last = to > from ? to : from + 1;  // last excluded
  const int along0 = horizontal ? Device.X(first) : Device.Y(first);
  const int along1 = horizontal ? Device.X(last) : Device.Y(last);
  int across0, across1;
  auto edge = [&](int v) { return horizontal ? Device.Y(v) : Device.X(v); };
  if (PenWidth == 1 && Device.Scale() == 1.0) {
    across0 = edge(across);  // one device pixel is one logical pixel: no edge to choose
    across1 = across0 + 1;
  } else if (PenWidth == 1) {
    const int tileFirst = horizontal ? Tile.left() : Tile.top();
    const int tileLast = horizontal ? Tile.right() : Tile.bottom();
    const int tileNear = horizontal ? Tile.top() : Tile.left();
    const int tileFar = horizontal ? Tile.bottom() : Tile.right();
    const bool farEdge = !Tile.isEmpty() && across == tileFar && across != tileNear && first >= tileFirst &&
                         last - 1 <= tileLast;
    across0 = farEdge ? edge(across + 1) - 1 : edge(across);
    across1 = across0 + 1;
  } else {
    const int before = (PenWidth - 1) / 2;
    across0 = edge(across - before);
    across1 = edge(across - before + PenWidth);
  }
  return horizontal ? QRect(along0, across0, along1 - along0, across1 - across0)
                    : QRect(across0, along0, across1 - across0, along1 - along0);
}

void TQtCanvas::TState::Blit(int x, int y, const TPrepared& prepared) {
  if (!Painter) return;
  const QImage& image = prepared.Image;
  const TRoute route = Route();
  if (route == rt_LogicalPainter) {
    const QPointF at = QPointF(x, y) + QPointF(prepared.Offset) / Ratio;
    Painter->drawImage(QRectF(at, QSizeF(image.size()) / Ratio), image);
    return;
  }
  const QPoint at = QPoint(Device.X(x), Device.Y(y)) + prepared.Offset;
  if (route == rt_Direct) {
    Raster.Blend(at.x(), at.y(), image);
    return;
  }
  const QTransform kept = Painter->worldTransform();
  Painter->setWorldTransform(QTransform::fromScale(1.0 / Ratio, 1.0 / Ratio));
  Painter->drawImage(at, image);
  Painter->setWorldTransform(kept);
}

TQtCanvas::TQtCanvas() : State(std::make_unique<TState>()) {}
TQtCanvas::~TQtCanvas() = default;

// Prepared images are kept for one device pixel ratio: the ratio changes
// only when the window moves to another screen.
void TQtCanvas::Attach(QPainter* painter) {
  State->Painter = painter;
  State->Raster.Bind(painter);
  State->Tile = QRect();
  const double ratio = RatioOf(painter);
  if (painter && ratio != State->Ratio) {
    State->DropPrepared();
    State->Ratio = ratio;
  }
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
  const QRect logical(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
  State->Tile = logical;
  State->Fill(logical, State->BrushColour);
}

// Straight into the image's pixels when it can be. The hairlines of a tile
// then lie on its outermost device pixels, as DeviceBand puts them, which
// needs a tile at least two logical pixels across and high at a ratio other
// than 1; otherwise the tile is drawn line by line.
void TQtCanvas::DrawTile(const TTile& tile) {
  TState& state = *State;
  const TRect& rect = tile.Rect;
  const int least = state.Ratio == 1.0 ? 1 : 2;
  if (!state.Painter || rect.Right - rect.Left < least || rect.Bottom - rect.Top < least ||
      state.Route() != rt_Direct) {
    ICanvas::DrawTile(tile);
    return;
  }
  const QRect logical(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
  const unsigned edges = (tile.Bottom ? TDirectRaster::te_Bottom : 0u) | (tile.Right ? TDirectRaster::te_Right : 0u) |
                         (tile.Left ? TDirectRaster::te_Left : 0u) | (tile.Top ? TDirectRaster::te_Top : 0u);
  state.Raster.FillTile(state.Device.Map(logical), ToQRgb(tile.Fill), ToQRgb(tile.BottomRight),
                        ToQRgb(tile.TopLeft), edges);
  // The state the tile leaves, as drawing it line by line would.
  state.Tile = logical;
  state.BrushColour = tile.Fill;
  state.BrushStyle = bs_Solid;
  state.PenStyle = ps_Solid;
  state.PenWidth = 1;
  if (tile.Left || tile.Top)
    state.PenColour = tile.TopLeft;
  else if (tile.Bottom || tile.Right)
    state.PenColour = tile.BottomRight;
}

void TQtCanvas::MoveTo(int x, int y) { State->Current = QPoint(x, y); }

void TQtCanvas::LineTo(int x, int y) {
  const QPoint from = State->Current;
  State->Current = QPoint(x, y);
  if (State->PenStyle == ps_Clear || from == State->Current) return;
  State->Line(from, State->Current);
}

void TQtCanvas::SetFont(const TFontSpec& font) {
  TFontSpec& requested = State->Requested;
  if (font.SizePoints != requested.SizePoints || font.Bold != requested.Bold || !SameText(font.Name, requested.Name)) {
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
