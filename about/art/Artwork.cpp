#include "about/art/Artwork.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// One area of the pictured field, in the game's states.
enum class TLook { Covered, Number, Mine };

struct TArea {
  char Id;
  TRgba Colour;  // the area's base colour, mid-tone as the game picks them
  TLook Look;
};

// The large field: seven areas on a 4 x 4 grid. 'B' is a tall uncovered
// area that touches two mine areas, 'E' the mine that went off.
constexpr const char* kLargeMap[] = {"AABC", "DABC", "DEFC", "GGFF"};
// The small field keeps three areas on 2 x 2.
constexpr const char* kSmallMap[] = {"AA", "DE"};

const TArea kAreas[] = {
    {'A', {64, 158, 196}, TLook::Covered}, {'B', {96, 132, 206}, TLook::Number},
    {'C', {222, 122, 58}, TLook::Covered}, {'D', {152, 92, 192}, TLook::Covered},
    {'E', {206, 112, 128}, TLook::Mine},   {'F', {104, 178, 78}, TLook::Covered},
    {'G', {212, 178, 52}, TLook::Covered},
};

const TArea& AreaOf(char id) {
  return *std::find_if(std::begin(kAreas), std::end(kAreas), [id](const TArea& a) { return a.Id == id; });
}

// The game's colour blend, per channel, rounded to nearest.
TRgba Blend(TRgba a, TRgba b, double t) {
  auto mix = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
  return {mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B), 255};
}

constexpr TRgba kWhite{255, 255, 255}, kBlack{0, 0, 0};
constexpr TRgba kPlate{46, 52, 64}, kDialogGrey{239, 239, 239}, kMineRed{255, 0, 0};

void Fill(TDrawing& drawing, std::vector<TPoint> outline, TRgba colour) {
  drawing.Shapes.push_back({{std::move(outline)}, colour});
}

// The number glyph "2" as one stroke: a hook over the top, a diagonal, a foot.
void DrawTwo(TDrawing& drawing, double left, double top, double cell) {
  constexpr double pi = std::numbers::pi;
  const double cx = left + cell * 0.5, r = cell * 0.17;
  auto path = Arc({cx, top + cell * 0.36}, r, pi * 1.12, pi * 2.2, 24);
  path.push_back({left + cell * 0.32, top + cell * 0.76});
  path.push_back({left + cell * 0.70, top + cell * 0.76});
  drawing.Shapes.push_back({Stroke(path, cell * 0.12), kBlack});
}

// The mine glyph: a round body with eight spikes and a glint.
void DrawMine(TDrawing& drawing, double left, double top, double cell) {
  const TPoint centre{left + cell * 0.5, top + cell * 0.5};
  TShape mine{{Circle(centre, cell * 0.24)}, kMineRed};
  for (int i = 0; i < 8; ++i) {
    const double angle = i * std::numbers::pi / 4;
    const double reach = cell * (i % 2 == 0 ? 0.38 : 0.32);
    const TPoint tip{centre.X + reach * std::cos(angle), centre.Y + reach * std::sin(angle)};
    for (auto& outline : Stroke({centre, tip}, cell * 0.09)) mine.Outlines.push_back(std::move(outline));
  }
  drawing.Shapes.push_back(std::move(mine));
  Fill(drawing, Circle({centre.X - cell * 0.07, centre.Y - cell * 0.07}, cell * 0.055), kWhite);
}

class TFieldPainter {
 public:
  TFieldPainter(TDrawing& drawing, const char* const* map, int cells, double origin, double cell, double bevel)
      : Drawing(drawing), Map(map), Cells(cells), Origin(origin), CellSize(cell), Bevel(bevel) {}

  void PaintCell(int column, int row) {
    const TArea& area = AreaOf(Map[row][column]);
    const bool sunken = area.Look != TLook::Covered;
    const TRgba fill = sunken ? Blend(area.Colour, kWhite, 0.35) : area.Colour;
    const double l = Origin + column * CellSize, t = Origin + row * CellSize;
    const double r = l + CellSize, b = t + CellSize;
    Fill(Drawing, Rectangle(l, t, r, b), fill);
    // As on the board: dark bottom and right, light left and top, each only
    // where the neighbour belongs to another area; later lines own corners.
    const TRgba low = sunken ? Blend(fill, kWhite, 0.15) : Blend(fill, kBlack, 0.85);
    const TRgba high = sunken ? Blend(fill, kBlack, 0.15) : Blend(fill, kWhite, 0.85);
    if (EdgeAt(column, row, 0, 1)) Fill(Drawing, Rectangle(l, b - Bevel, r, b), low);
    if (EdgeAt(column, row, 1, 0)) Fill(Drawing, Rectangle(r - Bevel, t, r, b), low);
    if (EdgeAt(column, row, -1, 0)) Fill(Drawing, Rectangle(l, t, l + Bevel, b), high);
    if (EdgeAt(column, row, 0, -1)) Fill(Drawing, Rectangle(l, t, r, t + Bevel), high);
    if (area.Look == TLook::Number) DrawTwo(Drawing, l, t, CellSize);
    if (area.Look == TLook::Mine) DrawMine(Drawing, l, t, CellSize);
  }

 private:
  bool EdgeAt(int column, int row, int dx, int dy) const {
    const int c = column + dx, r = row + dy;
    if (c < 0 || r < 0 || c >= Cells || r >= Cells) return true;
    return Map[r][c] != Map[row][column];
  }

  TDrawing& Drawing;
  const char* const* Map;
  int Cells;
  double Origin, CellSize, Bevel;
};

}  // namespace

TDrawing DrawArtwork(int size, bool opaque) {
  TDrawing drawing{size, {}};
  const bool small = size < 48;
  const int cells = small ? 2 : 4;
  const double s = size;
  // Whole pixels for the grid, so the one-pixel bevels of small icons stay crisp.
  const double margin = std::max(1.0, std::round(s / 16));
  const double cell = std::floor((s - 2 * margin) / cells);
  const double origin = std::floor((s - cell * cells) / 2);
  const double bevel = std::max(1.0, std::round(s / 48));

  if (opaque) Fill(drawing, Rectangle(0, 0, s, s), kDialogGrey);
  Fill(drawing, RoundedRectangle(0, 0, s, s, std::max(2.0, s / 8)), kPlate);
  TFieldPainter painter(drawing, small ? kSmallMap : kLargeMap, cells, origin, cell, bevel);
  for (int row = 0; row < cells; ++row)
    for (int column = 0; column < cells; ++column) painter.PaintCell(column, row);
  return drawing;
}
