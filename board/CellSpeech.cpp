#include "board/CellSpeech.h"
#include <algorithm>
#include "board/Board.h"

namespace {

// The context the catalogues keep these texts under, as the markers name it.
constexpr const char* Context = "CellSpeech";

}  // namespace

THeardState HeardState(const TAreaProperties& area) {
  if (area.Hole) return hs_Hole;
  // A mine shown at the end is drawn as a mine even where it was marked.
  if (area.Exposed) return hs_Mine;
  if (area.Marked) return hs_Marked;
  if (area.Uncovered) return hs_Number;
  return TBoard::Tinted(area) ? hs_CoveredTinted : hs_Covered;
}

TPhrase CellNamePhrase(const TBoard& board, int column, int row) {
  if (!board.OnField(column, row) || !board.AreaAt(column, row)) return {Context, "", {}};
  const TAreaProperties& area = *board.AreaAt(column, row);
  switch (HeardState(area)) {
    //: What a screen reader says of a covered square of the minefield.
    case hs_Covered: return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Covered"), {}};
    //: A covered square that the player tinted (T) as a note to themselves.
    case hs_CoveredTinted: return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Covered, tinted"), {}};
    //: A square marked (M) as holding a mine.
    case hs_Marked: return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Marked"), {}};
    //: A hole in the minefield: a square that is no part of the game.
    case hs_Hole: return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Hole"), {}};
    // An uncovered square is named by its number alone.
    case hs_Number: return {Context, "%1", {area.MineCount}};
    //: A mine shown at the end of a game.
    case hs_Mine: return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Mine"), {}};
  }
  return {Context, "", {}};
}

TPhrase CellDescriptionPhrase(const TBoard& board, int column, int row) {
  if (!board.OnField(column, row)) return {Context, "", {}};
  const std::int32_t area = board.AreaNumberAt(column, row);
  const std::int32_t squares = board.SquareCount(area);
  //: Where a square of the minefield is, for a screen reader: its column and
  //: row, counted from 1, and that its area is this square alone.
  if (squares <= 1)
    return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Column %1, row %2; single square"), {column, row}};
  //: The square's area is a shape of %3 squares that touch (%3 is 2 or more).
  if (board.SquaresJoined(area))
    return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Column %1, row %2; shaped area of %3 squares"),
            {column, row, squares}};
  //: The square's area is %3 squares linked across the field, apart from each
  //: other (%3 is 2 or more).
  return {Context, QT_TRANSLATE_NOOP("CellSpeech", "Column %1, row %2; linked area of %3 squares"),
          {column, row, squares}};
}

std::string CellName(const TBoard& board, int column, int row) {
  return FilledIn(CellNamePhrase(board, column, row));
}

std::string CellDescription(const TBoard& board, int column, int row) {
  return FilledIn(CellDescriptionPhrase(board, column, row));
}

void THeardStates::Reset(const TBoard& board) {
  FStates.clear();
  FStates.reserve(board.Areas().size());
  for (const TAreaRef& area : board.Areas()) FStates.push_back(HeardState(*area));
}

std::vector<TSquare> THeardStates::TakeChanged(const TBoard& board) {
  std::vector<TSquare> changed;
  const TAreaList& areas = board.Areas();
  // Another field than the one last told: the listener learns it afresh.
  if (FStates.size() != areas.size()) {
    Reset(board);
    return changed;
  }
  bool several = false;
  for (std::size_t a = 0; a < areas.size(); ++a) {
    const THeardState now = HeardState(*areas[a]);
    if (now == FStates[a]) continue;
    FStates[a] = now;
    several = several || !changed.empty();
    board.ForEachSquareOf(std::int32_t(a), [&](int column, int row) { changed.push_back({column, row}); });
  }
  if (several)
    std::sort(changed.begin(), changed.end(),
              [](const TSquare& x, const TSquare& y) { return std::pair(x.Row, x.Column) < std::pair(y.Row, y.Column); });
  return changed;
}
