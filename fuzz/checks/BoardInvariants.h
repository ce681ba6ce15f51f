#pragma once
// What must hold for every minefield, however it was made and whatever has
// been played on it. The fuzz targets check it after every generation from
// hostile files, the soak after every action of real play. Each check is
// written from the rules, independently of the board's own indexes: the
// cells are walked plainly and the numbers counted by brute force.
//
// Every function returns an empty text when all is well, otherwise a short
// account of the first violation found.
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "board/Board.h"
#include "settings/GameRecord.h"

namespace board_checks {

inline std::string At(int column, int row) {
  return "(" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

// Index of every listed area; an area listed twice is itself a violation.
inline std::string IndexAreas(const TBoard& board,
                              std::unordered_map<const TAreaProperties*, int>& index) {
  for (std::size_t i = 0; i < board.Areas().size(); ++i) {
    const TAreaProperties* area = board.Areas()[i].get();
    if (!area) return "area " + std::to_string(i) + " of the list is null";
    if (!index.emplace(area, int(i)).second) return "an area is listed twice";
  }
  return {};
}

inline std::string CheckCellsAndAreas(const TBoard& board,
                                      const std::unordered_map<const TAreaProperties*, int>& index,
                                      std::vector<std::vector<int>>& cellsOfArea) {
  cellsOfArea.assign(board.Areas().size(), {});
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column) {
      const TAreaProperties* area = board.Cell(column, row).Area;
      if (!area) return "cell " + At(column, row) + " has no area";
      const auto found = index.find(area);
      if (found == index.end()) return "cell " + At(column, row) + " points at an area not in the list";
      cellsOfArea[found->second].push_back((row - 1) * TBoard::MaxColumns + (column - 1));
    }
  for (std::size_t i = 0; i < board.Areas().size(); ++i) {
    const TAreaProperties& area = *board.Areas()[i];
    // A pattern area all of whose cells a later copy of the tile took over
    // keeps its count but no cell; any other area has cells.
    if (cellsOfArea[i].empty() && area.CellCount <= 0)
      return "area " + std::to_string(i) + " has no cell";
  }
  return {};
}

inline std::string CheckFlags(const TBoard& board) {
  for (std::size_t i = 0; i < board.Areas().size(); ++i) {
    const TAreaProperties& a = *board.Areas()[i];
    const std::string name = "area " + std::to_string(i);
    if (a.Mine && a.Hole) return name + " is a mine and a hole";
    if (a.Hole && (a.Uncovered || a.Marked || a.Exposed)) return name + " is a hole in play";
    if (a.Uncovered && a.Marked) return name + " is uncovered and marked";
    if (a.Exposed && !a.Mine) return name + " is exposed but holds no mine";
  }
  if (board.Hovered()) {
    bool listed = false;
    for (const auto& area : board.Areas()) listed = listed || area.get() == board.Hovered();
    if (!listed) return "the hovered area is not in the list";
    if (board.Hovered()->Hole) return "a hole is hovered";
  }
  return {};
}

// The number of distinct mine areas among the eight neighbours of any cell
// of each area, counted directly on the grid.
inline std::string CheckMineCounts(const TBoard& board,
                                   const std::unordered_map<const TAreaProperties*, int>& index,
                                   const std::vector<std::vector<int>>& cellsOfArea) {
  std::vector<int> seenBy(board.Areas().size(), -1);
  for (std::size_t i = 0; i < board.Areas().size(); ++i) {
    int count = 0;
    for (const int id : cellsOfArea[i]) {
      const int column = id % TBoard::MaxColumns + 1, row = id / TBoard::MaxColumns + 1;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
          if (dr == 0 && dc == 0) continue;
          const int c = column + dc, r = row + dr;
          if (c < 1 || c > board.SizeX() || r < 1 || r > board.SizeY()) continue;
          const TAreaProperties* other = board.Cell(c, r).Area;
          const int k = index.at(other);
          if (other->Mine && seenBy[k] != int(i)) {
            seenBy[k] = int(i);
            ++count;
          }
        }
    }
    if (board.Areas()[i]->MineCount != count)
      return "area " + std::to_string(i) + " shows " + std::to_string(board.Areas()[i]->MineCount) +
             " but touches " + std::to_string(count) + " mine areas";
  }
  return {};
}

inline std::string CheckEdgesAndLabels(const TBoard& board,
                                       const std::vector<std::vector<int>>& cellsOfArea) {
  auto areaOf = [&](int c, int r) { return board.Cell(c, r).Area; };
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column) {
      const TCellRec& cell = board.Cell(column, row);
      if (cell.Area->Hole) continue;
      const bool top = row == 1 || areaOf(column, row - 1) != cell.Area;
      const bool left = column == 1 || areaOf(column - 1, row) != cell.Area;
      const bool bottom = row == board.SizeY() || areaOf(column, row + 1) != cell.Area;
      const bool right = column == board.SizeX() || areaOf(column + 1, row) != cell.Area;
      if (cell.EdgeTop != top || cell.EdgeLeft != left || cell.EdgeBottom != bottom ||
          cell.EdgeRight != right)
        return "the edges of cell " + At(column, row) + " do not follow its neighbours";
    }
  // "One Mark in Areas" shows an area's glyph only in its label cells, so
  // every playable area needs one.
  for (std::size_t i = 0; i < board.Areas().size(); ++i) {
    if (board.Areas()[i]->Hole || cellsOfArea[i].empty()) continue;
    bool labelled = false;
    for (const int id : cellsOfArea[i])
      labelled = labelled || board.Cell(id % TBoard::MaxColumns + 1, id / TBoard::MaxColumns + 1).LabelCell;
    if (!labelled) return "playable area " + std::to_string(i) + " has no label cell";
  }
  return {};
}

// Everything that must hold at any moment of a game.
inline std::string CheckBoard(const TBoard& board) {
  if (board.SizeX() < 1 || board.SizeX() > TBoard::MaxColumns || board.SizeY() < 1 ||
      board.SizeY() > TBoard::MaxRows)
    return "the field's size " + std::to_string(board.SizeX()) + " x " + std::to_string(board.SizeY()) +
           " is outside the grid";
  std::unordered_map<const TAreaProperties*, int> index;
  std::vector<std::vector<int>> cellsOfArea;
  std::string fault = IndexAreas(board, index);
  if (fault.empty()) fault = CheckCellsAndAreas(board, index, cellsOfArea);
  if (fault.empty()) fault = CheckFlags(board);
  if (fault.empty()) fault = CheckMineCounts(board, index, cellsOfArea);
  if (fault.empty()) fault = CheckEdgesAndLabels(board, cellsOfArea);
  return fault;
}

inline int CountMines(const TBoard& board) {
  int mines = 0;
  for (const auto& area : board.Areas()) mines += area->Mine;
  return mines;
}

inline int CountPlayable(const TBoard& board) {
  int playable = 0;
  for (const auto& area : board.Areas()) playable += !area->Hole;
  return playable;
}

// The rounding of the game: to nearest, ties to even, in extended precision.
inline long double RoundHalfEven(long double value) { return std::nearbyint(value); }

// A field just generated from record: nothing played yet, the sizes clamped
// into the grid, as many mines as the population asks for (or every
// playable area when there are fewer), the starting clock and score.
inline std::string CheckFreshField(const TBoard& board, const TGameRecord& record,
                                   std::int32_t clock, std::int32_t score) {
  std::string fault = CheckBoard(board);
  if (!fault.empty()) return fault;
  const int sizeX = record.SizeX < 1 ? 1 : record.SizeX > TBoard::MaxColumns ? TBoard::MaxColumns : record.SizeX;
  const int sizeY = record.SizeY < 1 ? 1 : record.SizeY > TBoard::MaxRows ? TBoard::MaxRows : record.SizeY;
  if (board.SizeX() != sizeX || board.SizeY() != sizeY) return "the field's size is not the record's, clamped";
  if (!board.FirstMove()) return "a fresh field has no first-move grace";
  for (const auto& area : board.Areas())
    if (area->Uncovered || area->Marked || area->Exposed) return "a fresh field has an area in play";
  const long double asked =
      RoundHalfEven((long double)board.Areas().size() * record.MinePopulation * 0.002L);
  const long double playable = CountPlayable(board);
  const long double expected = asked < 0 ? 0 : asked > playable ? playable : asked;
  if (CountMines(board) != int(expected))
    return "the field holds " + std::to_string(CountMines(board)) + " mines, not " +
           std::to_string(int(expected));
  if (score != 100) return "a fresh game does not score 100";
  if (!record.Timed()) {
    if (clock != 0) return "an untimed game does not start at 0";
  } else {
    const long double allowed = RoundHalfEven((long double)sizeX * sizeY * 0.2L * (25.0L - record.GameSpeed));
    const long double saturated = allowed > 2147483647.0L ? 2147483647.0L
                                  : allowed < -2147483648.0L ? -2147483648.0L : allowed;
    if ((long double)clock != saturated) return "a timed game does not start with its allowance";
  }
  return {};
}

}  // namespace board_checks
