#include "board/CellSpeech.h"
#include <algorithm>
#include <initializer_list>
#include <string_view>
#include "board/Board.h"

namespace {

// The pattern with %1, %2, %3 replaced by the numbers: each text is one
// whole sentence, so that its words keep their order in any language.
std::string FillIn(std::string_view pattern, std::initializer_list<std::int32_t> numbers) {
  std::string text;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
    const std::size_t slot = std::size_t(next - '1');
    if (pattern[k] == '%' && next >= '1' && slot < numbers.size()) {
      text += std::to_string(numbers.begin()[slot]);
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}

}  // namespace

THeardState HeardState(const TAreaProperties& area) {
  if (area.Hole) return hs_Hole;
  // A mine shown at the end is drawn as a mine even where it was marked.
  if (area.Exposed) return hs_Mine;
  if (area.Marked) return hs_Marked;
  if (area.Uncovered) return hs_Number;
  return TBoard::Tinted(area) ? hs_CoveredTinted : hs_Covered;
}

std::string CellName(const TBoard& board, int column, int row) {
  if (!board.OnField(column, row) || !board.AreaAt(column, row)) return std::string();
  const TAreaProperties& area = *board.AreaAt(column, row);
  switch (HeardState(area)) {
    case hs_Covered: return "Covered";
    case hs_CoveredTinted: return "Covered, tinted";
    case hs_Marked: return "Marked";
    case hs_Hole: return "Hole";
    case hs_Number: return std::to_string(area.MineCount);
    case hs_Mine: return "Mine";
  }
  return std::string();
}

std::string CellDescription(const TBoard& board, int column, int row) {
  if (!board.OnField(column, row)) return std::string();
  const std::int32_t area = board.AreaNumberAt(column, row);
  const std::int32_t squares = board.SquareCount(area);
  if (squares <= 1) return FillIn("Column %1, row %2; single square", {column, row});
  if (board.SquaresJoined(area))
    return FillIn("Column %1, row %2; shaped area of %3 squares", {column, row, squares});
  return FillIn("Column %1, row %2; linked area of %3 squares", {column, row, squares});
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
