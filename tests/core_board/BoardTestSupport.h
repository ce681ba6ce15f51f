#pragma once
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/Random.h"
#include "patterns/Pattern.h"
#include "settings/GameRecord.h"

// Runs the board's generation steps one at a time, so that a test can lay a
// field by hand or compare one step with a plain rendering of its rule.
struct TBoardSteps {
  // An empty field of the given size, as Generate leaves it after Clear.
  static void Start(TBoard& board, int sizeX, int sizeY) {
    board.FSizeX = sizeX;
    board.FSizeY = sizeY;
    board.FFirstMove = true;
    board.Clear();
  }
  // The state a drawing or play test starts from, set without the side
  // effects (painting, pulse) of the board's own commands.
  static void SetHovered(TBoard& board, TAreaProperties* area) { board.FHovered = area; }
  static void SetOneMarkFlag(TBoard& board, bool flag) { board.FOneMark = flag; }
  static void SetCellWidth(TBoard& board, int width) { board.FCellWidth = width; }
  static TCellRec& CellOf(TBoard& board, int column, int row) { return board.MutableCell(column, row); }
  static TColour PickColour(TBoard& board, bool large) { return board.PickColour(large); }
  static void MakeSingleAreas(TBoard& board, bool large, bool coloured) {
    board.MakeSingleAreas(large, coloured);
  }
  static void ApplyPattern(TBoard& board, const TTess& pattern, bool large) {
    board.ApplyPattern(pattern, large);
  }
  static void SeedAreas(TBoard& board, int n, bool large) { board.SeedAreas(n, large); }
  static void GrowAreas(TBoard& board, int n) { board.GrowAreas(n); }
  static void FillUnassigned(TBoard& board) { board.FillUnassigned(); }
  static void MakeHoles(TBoard& board, int holes) { board.MakeHoles(holes); }
  static void LinkAreas(TBoard& board, int linking) { board.LinkAreas(linking); }
  static void PlaceMines(TBoard& board, int population) { board.PlaceMines(population); }
  static void CountMines(TBoard& board) { board.CountMines(); }
  // Points the cells at their areas and computes the edges: the field is
  // then ready for play and drawing.
  static void Finish(TBoard& board) { board.PublishCells(); }
  // A field laid out by hand, ready for play: each character of the rows
  // names the area of its square (one character, one area, wherever its
  // squares stand) and '#' makes a hole of its square.
  static void LayAreas(TBoard& board, const std::vector<std::string>& rows) {
    Start(board, int(rows.front().size()), int(rows.size()));
    std::vector<std::pair<char, int>> named;
    for (int row = 1; row <= board.FSizeY; ++row)
      for (int column = 1; column <= board.FSizeX; ++column) {
        const char name = rows[std::size_t(row - 1)][std::size_t(column - 1)];
        auto known = std::find_if(named.begin(), named.end(), [name](const auto& n) { return n.first == name; });
        int area = known != named.end() ? known->second : -1;
        if (area < 0 || name == '#') {
          area = board.AddArea(clSilver);
          board.FAreas[std::size_t(area)]->Hole = name == '#';
          named.emplace_back(name, area);
        }
        board.AreaIndex[TBoard::CellId(column, row)] = area;
      }
    board.PublishCells();
  }
  // The area the index grid gives a cell before Finish publishes it.
  static int IndexOf(const TBoard& board, int column, int row) {
    return board.AreaIndex[TBoard::CellId(column, row)];
  }
};

// A game record with every shaping setting off (thresholds 0/10/0).
inline TGameRecord PlainRecord(int sizeX, int sizeY) {
  TGameRecord record;
  record.SizeX = sizeX;
  record.SizeY = sizeY;
  record.MinePopulation = 0;
  record.Holes = 0;
  record.CellSize = 10;
  record.Linking = 0;
  record.HolesThreshold = 0;
  record.ShapeThreshold = 10;
  record.LinkThreshold = 0;
  record.GameSpeed = 0;
  return record;
}

inline void Generate(TBoard& board, const TGameRecord& record) {
  std::int32_t clock = 0, score = 0;
  board.Generate(record, clock, score);
}

inline int IndexOfArea(const TBoard& board, const TAreaProperties* area) {
  for (std::size_t i = 0; i < board.Areas().size(); ++i)
    if (board.Areas()[i].get() == area) return int(i);
  return -1;
}

// The cells of an area, in reading order.
inline std::vector<std::pair<int, int>> CellsOf(const TBoard& board, const TAreaProperties* area) {
  std::vector<std::pair<int, int>> cells;
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column)
      if (board.AreaAt(column, row) == area) cells.emplace_back(column, row);
  return cells;
}

// The number of an area counted the plain way: every cell of the area,
// every neighbour, every mine area once.
inline int BruteMineCount(const TBoard& board, const TAreaProperties* area) {
  std::vector<const TAreaProperties*> seen;
  for (const auto& [column, row] : CellsOf(board, area))
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr) {
        if ((dc == 0 && dr == 0) || !board.OnField(column + dc, row + dr)) continue;
        const TAreaProperties* other = board.AreaAt(column + dc, row + dr);
        if (other->Mine && std::find(seen.begin(), seen.end(), other) == seen.end())
          seen.push_back(other);
      }
  return int(seen.size());
}

// The flood as the game's rule states it: whole-grid passes (columns outer,
// rows inner) until a pass changes nothing.
inline void NaiveFlood(TBoard& board) {
  static const int dc[8] = {1, 1, 1, -1, -1, -1, 0, 0};
  static const int dr[8] = {0, -1, 1, 0, -1, 1, -1, 1};
  for (bool changed = true; changed;) {
    changed = false;
    for (int column = 1; column <= board.SizeX(); ++column)
      for (int row = 1; row <= board.SizeY(); ++row) {
        const TAreaProperties* area = board.AreaAt(column, row);
        if (!area->Uncovered || area->MineCount != 0) continue;
        for (int d = 0; d < 8; ++d) {
          if (!board.OnField(column + dc[d], row + dr[d])) continue;
          TAreaProperties* other = board.AreaAt(column + dc[d], row + dr[d]);
          if (other->Uncovered || other->Marked || other->Hole) continue;
          other->Uncovered = true;
          other->Changed = true;
          changed = true;
        }
      }
  }
}

// A fresh directory to run in (the pattern library is looked up relative
// to the working directory); the previous one is restored afterwards.
class TScratchDir {
 public:
  TScratchDir();
  ~TScratchDir();
  std::filesystem::path Path() const { return Dir; }
  void WriteFile(const std::string& relative, const std::string& content) const;

 private:
  std::filesystem::path Dir;
  std::filesystem::path Previous;
};

// A pattern as the reader would fill it from tile rows.
TTess PatternFromRows(int width, int stepX, int stepY, const std::vector<std::string>& rows);

// A canvas that only remembers what was drawn: each filled rectangle with
// its colour, each line, and each text or glyph with its font.
class TRecordingCanvas final : public ICanvas {
 public:
  struct TFill {
    TRect Rect;
    TColour Colour;
  };
  struct TText {
    int X, Y;
    std::string Text;  // "<mine>" and "<bullet>" for the glyphs
    TFontSpec Font;
  };
  std::vector<TFill> Fills;
  std::vector<TText> Texts;
  int Lines = 0;

  void SetBrushColour(TColour colour) override { Brush = colour; }
  void SetBrushStyle(TBrushStyle) override {}
  void SetPenColour(TColour) override {}
  void SetPenStyle(TPenStyle) override {}
  void SetPenWidth(int) override {}
  void FillRect(const TRect& rect) override { Fills.push_back({rect, Brush}); }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override { ++Lines; }
  void SetFont(const TFontSpec& font) override { Current = font; }
  const TFontSpec& Font() const override { return Current; }
  int TextWidth(std::string_view text) override { return int(text.size()) * 4; }
  void TextOut(int x, int y, std::string_view text) override { Texts.push_back({x, y, std::string(text), Current}); }
  int GlyphWidth(TGlyph) override { return 6; }
  void GlyphOut(int x, int y, TGlyph glyph) override {
    Texts.push_back({x, y, glyph == gl_Mine ? "<mine>" : "<bullet>", Current});
  }
  void Reset() {
    Fills.clear();
    Texts.clear();
    Lines = 0;
  }

 private:
  TColour Brush = clWhite;
  TFontSpec Current;
};

// A plain field without mines, then mines on the given cells and the
// numbers counted again.
inline void FieldWithMines(TBoard& board, int sizeX, int sizeY,
                           const std::vector<std::pair<int, int>>& mines) {
  Generate(board, PlainRecord(sizeX, sizeY));
  for (const auto& [column, row] : mines) board.AreaAt(column, row)->Mine = true;
  TBoardSteps::CountMines(board);
}
