#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>
#include "board/BoardImage.h"
#include "board/Canvas.h"
#include "board/ColourUtils.h"
#include "settings/GameRecord.h"

struct TTess;
struct TPatternSlot;

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
  // How the area is drawn for a moment: its number is part of the proof of
  // the hint shown, or it flashes to show why a number did not open.
  bool Proof = false;
  bool Flashing = false;
};

struct TCellRec {
  TAreaProperties* Area = nullptr;  // not owned: the area list owns areas
  bool LabelCell = false;
  bool EdgeTop = false;
  bool EdgeLeft = false;
  bool EdgeBottom = false;
  bool EdgeRight = false;
};

// An entry of the area list: the area itself lives in the board's area
// store (see TBoard), which the board gives out anew for every field.
class TAreaRef {
 public:
  explicit TAreaRef(TAreaProperties* area) : Area(area) {}
  TAreaProperties* get() const { return Area; }
  TAreaProperties* operator->() const { return Area; }
  TAreaProperties& operator*() const { return *Area; }

 private:
  TAreaProperties* Area;
};

// The areas of the current field in the order generation made them. The
// board owns them: clearing the list, or taking an area out of it, ends
// that area's part in the game.
using TAreaList = std::vector<TAreaRef>;

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
  const TCellRec& Cell(int column, int row) const { return FCells[column - 1][row - 1]; }
  TAreaProperties* AreaAt(int column, int row) const { return Cell(column, row).Area; }
  // The position in Areas() of the area of a field cell.
  std::int32_t AreaNumberAt(int column, int row) const { return AreaIndex[CellId(column, row)]; }
  // Appends to touching every area (by its position in Areas()) that a cell
  // of area a touches, each once and a itself not, links included: the
  // areas a's number counts. metBy has an entry per area; an entry equal
  // to a marks an area already met, so one vector serves every a in turn.
  void AppendTouchingAreas(std::int32_t a, std::vector<std::int32_t>& metBy,
                           std::vector<std::int32_t>& touching) const;
  bool OnField(int column, int row) const {
    return column >= 1 && column <= FSizeX && row >= 1 && row <= FSizeY;
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
  // Lays the mines anew before play: area i holds a mine exactly when
  // mines[i] is non-zero (holes never do), and every number is counted again.
  void LayMines(const std::vector<std::uint8_t>& mines);

  // A saved game's field. Image gives the field as it stands; Restore
  // rebuilds one from an image, with the board's own indexes, after
  // checking that the image is a field the game could have made: a size
  // within the grid, every cell in a listed area, every area with cells,
  // flags that go together, edges and numbers that follow from the areas.
  // An image that fails any check is refused (false) and the board is left
  // with no field at all, as a new board has.
  TBoardImage Image() const;
  bool Restore(const TBoardImage& image);

  // Layout, hit testing and drawing.
  void LayOut(int availWidth, int availHeight, int top);
  bool CellAt(int x, int y, int& column, int& row) const;
  void PaintCell(int column, int row, ICanvas& canvas);
  void PaintAll(ICanvas& canvas);
  // After a PaintAll on the canvas the player sees, every area shows its
  // state: none waits for the next PaintChanged but the hovered one.
  void ClearChanged();
  void PaintChanged(ICanvas& canvas);
  void HoverAt(int column, int row, ICanvas& canvas);
  void ClearHover();
  void PulseHover();
  void SetOneMark(bool flag, ICanvas& canvas);
  // The keyboard cursor: a frame round the area of a cell, none for a cell
  // off the field. Both the old and the new area are drawn anew by the next
  // PaintChanged.
  void SetCursor(int column, int row);
  // The areas (positions in Areas()) whose numbers prove a hint: each is
  // drawn in the proof's colour inside a coloured outline until the proof
  // is cleared. Showing a proof clears the one before.
  void ShowProof(const std::vector<std::int32_t>& areas);
  void ClearProof();
  // Areas that flash for a few ticks and then are drawn plain again, each
  // tick's StepFlash taking the flash one step on. A new flash replaces one
  // still running.
  void Flash(const std::vector<std::int32_t>& areas);
  void StepFlash();
  // Something on the field changes from tick to tick without the player:
  // the hover's pulse or a flash.
  bool Animating() const { return FHovered || FFlashTicksLeft > 0; }

  // What the board holds, for reading; generation, play and drawing change it.
  // The size the field was generated with.
  std::int32_t SizeX() const { return FSizeX; }
  std::int32_t SizeY() const { return FSizeY; }
  // The areas in the order generation made them.
  const TAreaList& Areas() const { return FAreas; }
  // The pixel edges of column i (1..148) and row j (1..100), from LayOut.
  std::int32_t ColumnLeft(int column) const { return FColumnLeft[column]; }
  std::int32_t ColumnRight(int column) const { return FColumnRight[column]; }
  std::int32_t RowTop(int row) const { return FRowTop[row]; }
  std::int32_t RowBottom(int row) const { return FRowBottom[row]; }
  std::int32_t CellWidth() const { return FCellWidth; }
  std::int32_t CellHeight() const { return FCellHeight; }
  std::int32_t GridWidth() const { return FGridWidth; }
  std::int32_t GridHeight() const { return FGridHeight; }
  std::int32_t OriginX() const { return FOriginX; }
  std::int32_t OriginY() const { return FOriginY; }
  // "One Mark in Areas": only an area's label cells carry its glyph.
  bool OneMark() const { return FOneMark; }
  // No uncover has been made yet: the next mine is defused.
  bool FirstMove() const { return FFirstMove; }
  // The hovered area and its pulse, none when the pointer is off the field.
  const TAreaProperties* Hovered() const { return FHovered; }
  TColour HoverColour() const { return FHoverColour; }
  std::int32_t PulseStep() const { return FPulseStep; }
  float PulseLevel() const { return FPulseLevel; }
  bool Lifeline() const { return FLifeline; }
  const TAreaProperties* CursorArea() const { return FCursorArea; }
  const TColourList* ColourList() const { return FColourList.get(); }
  // The areas of the proof shown, and of the flash running with the ticks
  // it has left.
  const std::vector<std::int32_t>& ProofAreas() const { return FProofAreas; }
  const std::vector<std::int32_t>& FlashAreas() const { return FFlashAreas; }
  std::int32_t FlashTicksLeft() const { return FFlashTicksLeft; }
  // The cells of area a (a position in Areas()): how many, and the k-th in
  // reading order as (column, row).
  std::int32_t CellCountOf(std::int32_t a) const { return AreaCellStart[a + 1] - AreaCellStart[a]; }
  std::pair<int, int> CellOfArea(std::int32_t a, std::int32_t k = 0) const {
    const int id = AreaCells[AreaCellStart[a] + k];
    return {ColumnOf(id), RowOf(id)};
  }

  // The squares of area a (its position in Areas()) and their shape, for
  // what a listener hears of a cell. Calls visit(column, row) for each
  // square, in reading order.
  template <typename TVisit>
  void ForEachSquareOf(std::int32_t a, TVisit visit) const {
    if (a < 0 || std::size_t(a) + 1 >= AreaCellStart.size()) return;
    for (std::int32_t k = AreaCellStart[a]; k < AreaCellStart[a + 1]; ++k)
      visit(ColumnOf(AreaCells[k]), RowOf(AreaCells[k]));
  }
  std::int32_t SquareCount(std::int32_t a) const;
  // The squares of area a form one piece joined side by side (a single
  // square or a shaped cell), rather than lying in separate places.
  bool SquaresJoined(std::int32_t a) const;
  // The area wears the both-buttons tint, a colour no generation gives.
  static bool Tinted(const TAreaProperties& area);

 private:
  // The tests run single generation steps, and set the state a drawing or
  // play test starts from, through this seam.
  friend struct TBoardSteps;

  TCellRec& MutableCell(int column, int row) { return FCells[column - 1][row - 1]; }

  // The grid, column-major: FCells[column - 1][row - 1].
  std::array<std::array<TCellRec, MaxRows>, MaxColumns> FCells{};
  std::array<std::int32_t, MaxColumns + 1> FColumnLeft{};
  std::array<std::int32_t, MaxColumns + 1> FColumnRight{};
  std::array<std::int32_t, MaxRows + 1> FRowTop{};
  std::array<std::int32_t, MaxRows + 1> FRowBottom{};
  TAreaList FAreas;
  std::unique_ptr<TColourList> FColourList;
  std::int32_t FSizeX = 0;
  std::int32_t FSizeY = 0;
  std::int32_t FAvailWidth = 0, FAvailHeight = 0;
  std::int32_t FCellWidth = 0, FCellHeight = 0;
  std::int32_t FGridWidth = 0, FGridHeight = 0;
  std::int32_t FOriginX = 0, FOriginY = 0;
  bool FOneMark = false;
  bool FFirstMove = false;
  TAreaProperties* FHovered = nullptr;
  TColour FHoverColour = clBlack;
  std::int32_t FPulseStep = 0;
  float FPulseLevel = 0.0f;
  bool FLifeline = false;
  TAreaProperties* FCursorArea = nullptr;
  std::vector<std::int32_t> FProofAreas;
  std::vector<std::int32_t> FFlashAreas;
  std::int32_t FFlashTicksLeft = 0;

  // Cells are numbered row by row on a grid with a border of one cell all
  // round (row 0 and column 0 are border), so sorting numbers gives the
  // grid's reading order (rows outer, columns inner), and the eight
  // neighbours of a field cell are fixed offsets that need no bounds checks.
  static constexpr int Stride = MaxColumns + 2;
  static constexpr int GridCells = Stride * (MaxRows + 2);
  static int CellId(int column, int row) { return row * Stride + column; }
  static int ColumnOf(int cellId) { return cellId % Stride; }
  static int RowOf(int cellId) { return cellId / Stride; }
  // The eight neighbours in the order the mine count and the flood visit
  // them: left, upper left, lower left, right, upper right, lower right,
  // above, below.
  static constexpr int Around[8] = {-1, -1 - Stride, -1 + Stride, 1, 1 - Stride, 1 + Stride, -Stride, Stride};
  // AreaIndex of a cell without an area, and of the border round the field.
  static constexpr std::int32_t NoArea = -1;
  static constexpr std::int32_t Border = -2;

  // Generation steps, in the order Generate runs them. They work on the
  // index grid AreaIndex; PublishCells then points the cells at their areas.
  TColour PickColour(bool large);
  // A fresh area with this colour at the end of the list; its index there.
  int AddArea(TColour colour);
  // n fresh areas at the end of the list, with the colour of a new area;
  // the index of the first.
  int AddAreas(int n);
  void MakeSingleAreas(bool large, bool coloured);
  void SeedAreas(int n, bool large);
  void GrowAreas(int n);
  void ApplyPattern(const TTess& pattern, bool large);
  // The steps of ApplyPattern.
  std::vector<TColour> PickEarlyColours(std::int64_t created, bool large);
  std::vector<TPatternSlot> LayTileCopies(const TTess& pattern, int width, int height, int groups,
                                          std::int64_t perTile, std::int64_t lastTx, std::int64_t lastTy);
  std::vector<std::int32_t> CreateAreasOfSlots(const std::vector<TPatternSlot>& slots,
                                               const std::vector<TColour>& earlyColours, bool large);
  void NumberCellsByArea(const std::vector<std::int32_t>& areaOfSlot);
  void FillUnassigned();
  void MakeHoles(std::int32_t holes);
  void LinkAreas(std::int32_t linking);
  void PublishCells();
  void PlaceMines(std::int32_t minePopulation);
  void CountMines();
  // Helpers of the steps: the field's cells that keep keeps, listed in
  // reading order; the cells' area pointers and edges, set for PublishCells.
  template <typename TKeep>
  void ListFieldCells(std::vector<std::int32_t>& list, TKeep keep) const;
  void PointCellsAtAreas();
  // The steps of Restore: the checks that need no field, the field laid
  // from the image, and the checks of what the laid field works out.
  static bool ImageHoldsTogether(const TBoardImage& image);
  void LayImage(const TBoardImage& image);
  bool LaidFieldMatches(const TBoardImage& image);

  // Calls visit with the cell id of every cell around a cell of area a
  // (the eight around each of its cells, the cell itself not), once per
  // touching cell, cells of a in reading order. Cells of the border round
  // the field are visited too: their AreaIndex is Border. The mine count
  // and the flood both go round an area this way.
  template <typename TVisit>
  void ForEachNeighbourCell(std::int32_t a, TVisit visit) const {
    const std::int32_t* cells = AreaCells.data();
    const std::int32_t* end = cells + AreaCellStart[a + 1];
    for (const std::int32_t* cell = cells + AreaCellStart[a]; cell != end; ++cell) ForEachAround(*cell, visit);
  }
  // The eight cells around one cell, in the order of Around.
  template <typename TVisit>
  static void ForEachAround(int id, TVisit& visit) {
    visit(id + Around[0]);
    visit(id + Around[1]);
    visit(id + Around[2]);
    visit(id + Around[3]);
    visit(id + Around[4]);
    visit(id + Around[5]);
    visit(id + Around[6]);
    visit(id + Around[7]);
  }

  // Play and drawing helpers.
  TAreaProperties* AreaOfCell(int column, int row) const;
  void Flood();
  void PaintGlyph(int column, int row, const TAreaProperties& area, ICanvas& canvas);
  void PaintCursorFrame(int column, int row, TColour fill, ICanvas& canvas);
  void PaintProofFrame(int column, int row, ICanvas& canvas);
  void PaintBand(int column, int row, int inset, int width, TColour colour, ICanvas& canvas);
  TColour EmphasisedFill(const TAreaProperties& area, TColour fill) const;
  void SetFlashing(bool flag);
  void PaintCells(const std::vector<std::int32_t>& cellIds, ICanvas& canvas);

  // Indexes that keep generation, the flood, the mine count and the
  // incremental drawing linear in the field's size. Generate builds them;
  // Clear empties them.
  std::vector<std::int32_t> AreaIndex;      // per cell id: index into Areas, NoArea or Border
  std::vector<std::int32_t> AreaCellStart;  // per area: first entry in AreaCells
  std::vector<std::int32_t> AreaCells;      // cell ids grouped by area, reading order
  std::vector<std::uint32_t> AreaStamp;     // per area: scratch mark of one pass
  std::uint32_t StampValue = 0;
  std::vector<std::int32_t> Scratch;        // queue and cell lists of one pass
  std::uint32_t NextStamp();
  // Buffers that one generation step or one flood fills and the next one
  // reuses, so that a new field allocates nothing once the board has seen
  // a field of its size.
  std::vector<std::int32_t> AreaScratch;    // per area (fill positions, counters)
  std::vector<std::int32_t> ListScratch;    // cell or area lists
  std::vector<std::uint8_t> CellFlags;      // per cell id: a byte of one pass (flood, mine count)
  std::vector<std::int16_t> GrowthScratch;  // the growth's grid and waiting cells
  std::uint8_t* ClearedCellFlags();         // all zero, the border included
  // Where the areas live: blocks of areas that are never moved, so the
  // cells' and the list's pointers stay good while the store grows. Clear
  // gives all of them back and AddArea hands them out again in order, so a
  // field of 14,000 areas costs no allocation once the board has held one,
  // and the areas of one field lie together in memory in list order.
  static constexpr std::size_t AreaBlockSize = 1024;
  std::vector<std::unique_ptr<TAreaProperties[]>> AreaStore;
  std::size_t AreasGiven = 0;
};
