#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>
#include "board/Canvas.h"
#include "board/ColourUtils.h"
#include "settings/GameRecord.h"

struct TTess;

// The unit of play: what the player uncovers or marks, what holds a mine and
// what shows a number. One or more grid cells belong to it.
struct TAreaProperties {
  TColour Colour = clRed;
  std::int32_t CellCount = 0;  // cells assigned while a pattern was laid
  std::int32_t MineCount = 0;  // distinct mine areas touching any cell
  bool Uncovered = false;
  bool Exposed = false;
  bool Marked = false;
  bool Hole = false;
  bool Mine = false;
  bool Counted = false;
  bool Changed = true;
};

struct TCellRec {
  TAreaProperties* Area = nullptr;  // not owned: the area list owns areas
  bool LabelCell = false;
  bool EdgeTop = false;
  bool EdgeLeft = false;
  bool EdgeBottom = false;
  bool EdgeRight = false;
};

// The areas of the current field in the order generation made them; the
// list owns them.
using TAreaList = std::vector<std::unique_ptr<TAreaProperties>>;

// The colours given to areas so far, across games; at most 299 remembered.
struct TColourList {
  static constexpr int Capacity = 300;
  std::array<TColour, Capacity> Items{};
  std::int32_t Count = 0;
};

class TBoard {
 public:
  static constexpr int MaxColumns = 148;
  static constexpr int MaxRows = 100;

  TBoard();  // an empty board: no areas, no colours, OneMark off
  TBoard(const TBoard&) = delete;
  TBoard& operator=(const TBoard&) = delete;
  ~TBoard();

  void Clear();
  TCellRec& Cell(int column, int row) { return Cells[column - 1][row - 1]; }
  const TCellRec& Cell(int column, int row) const { return Cells[column - 1][row - 1]; }
  TAreaProperties* AreaAt(int column, int row) const { return Cell(column, row).Area; }
  bool OnField(int column, int row) const {
    return column >= 1 && column <= SizeX && row >= 1 && row <= SizeY;
  }

  // Generation. Sizes beyond the grid's capacity are clamped into 1..148 x
  // 1..100 so that nothing outside the grid is ever touched.
  void Generate(TGameRecord record, std::int32_t& clock, std::int32_t& score);

  // Play rules. Score and clock belong to the window.
  bool Uncover(int column, int row, std::int32_t bonus, std::int32_t& score,
               std::int32_t& clock, bool timed);
  void ToggleMark(int column, int row, std::int32_t& score);
  void Tint(int column, int row);
  void RevealMines(ICanvas& canvas);
  bool IsCleared() const;
  std::int32_t UnexploredCount() const;
  void SetLifeline(bool flag);

  // Layout, hit testing and drawing.
  void LayOut(int availWidth, int availHeight, int top);
  bool CellAt(int x, int y, int& column, int& row) const;
  void PaintCell(int column, int row, ICanvas& canvas);
  void PaintAll(ICanvas& canvas);
  void PaintChanged(ICanvas& canvas);
  void HoverAt(int column, int row, ICanvas& canvas);
  void ClearHover();
  void PulseHover();
  void SetOneMark(bool flag, ICanvas& canvas);

  // The grid, column-major: Cells[column - 1][row - 1].
  std::array<std::array<TCellRec, MaxRows>, MaxColumns> Cells{};
  std::array<std::int32_t, MaxColumns + 1> ColumnLeft{};
  std::array<std::int32_t, MaxColumns + 1> ColumnRight{};
  std::array<std::int32_t, MaxRows + 1> RowTop{};
  std::array<std::int32_t, MaxRows + 1> RowBottom{};
  TAreaList Areas;
  std::unique_ptr<TColourList> ColourList;
  std::int32_t SizeX = 0;
  std::int32_t SizeY = 0;
  std::int32_t AvailWidth = 0, AvailHeight = 0;
  std::int32_t CellWidth = 0, CellHeight = 0;
  std::int32_t GridWidth = 0, GridHeight = 0;
  std::int32_t OriginX = 0, OriginY = 0;
  bool OneMark = false;
  bool FirstMove = false;
  TAreaProperties* Hovered = nullptr;
  TColour HoverColour = clBlack;
  std::int32_t PulseStep = 0;
  float PulseLevel = 0.0f;
  bool Lifeline = false;

 private:
  // The tests run single generation steps through this seam.
  friend struct TBoardSteps;

  // Cells are numbered row by row, so sorting numbers gives the grid's
  // reading order (rows outer, columns inner).
  static int CellId(int column, int row) { return (row - 1) * MaxColumns + (column - 1); }
  static int ColumnOf(int cellId) { return cellId % MaxColumns + 1; }
  static int RowOf(int cellId) { return cellId / MaxColumns + 1; }

  // Generation steps, in the order Generate runs them. They work on the
  // index grid AreaIndex; PublishCells then points the cells at their areas.
  TColour PickColour(bool large);
  int AddArea(TColour colour);
  void MakeSingleAreas(bool large, bool coloured);
  void SeedAreas(int n, bool large);
  void GrowAreas(int n);
  void ApplyPattern(const TTess& pattern, bool large);
  void FillUnassigned();
  void MakeHoles(std::int32_t holes);
  void LinkAreas(std::int32_t linking);
  void PublishCells();
  void ComputeEdges();
  void PlaceMines(std::int32_t minePopulation);
  void CountMines();

  // Play and drawing helpers.
  TAreaProperties* AreaOfCell(int column, int row) const;
  void Flood();
  void PaintGlyph(int column, int row, const TAreaProperties& area, ICanvas& canvas);
  void PaintCells(const std::vector<std::int32_t>& cellIds, ICanvas& canvas);

  // Indexes that keep generation, the flood, the mine count and the
  // incremental drawing linear in the field's size. Generate builds them;
  // Clear empties them.
  std::vector<std::int32_t> AreaIndex;      // per cell id: index into Areas, -1 none
  std::vector<std::int32_t> AreaCellStart;  // per area: first entry in AreaCells
  std::vector<std::int32_t> AreaCells;      // cell ids grouped by area, reading order
  std::vector<std::uint32_t> AreaStamp;     // per area: scratch mark of one pass
  std::uint32_t StampValue = 0;
  std::vector<std::int32_t> Scratch;        // queue and cell lists of one pass
  std::uint32_t NextStamp();
};
