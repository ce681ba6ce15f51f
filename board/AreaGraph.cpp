#include "board/AreaGraph.h"

#include "board/Board.h"

// Each playable area lists the playable areas it touches, as the board
// finds them for its numbers.
TAreaGraph::TAreaGraph(const TBoard& board) {
  const std::int32_t count = std::int32_t(board.Areas().size());
  FHole.resize(std::size_t(count));
  for (std::int32_t a = 0; a < count; ++a) FHole[a] = board.Areas()[a]->Hole;
  std::vector<std::int32_t> metBy(std::size_t(count), -1);
  std::vector<std::int32_t> touching;
  FStart.assign(1, 0);
  FNeighbours.reserve(std::size_t(board.SizeX()) * board.SizeY() * 3);
  for (std::int32_t a = 0; a < count; ++a) {
    if (!FHole[a]) {
      touching.clear();
      board.AppendTouchingAreas(a, metBy, touching);
      for (const std::int32_t b : touching)
        if (!FHole[b]) FNeighbours.push_back(b);
    }
    FStart.push_back(std::int32_t(FNeighbours.size()));
  }
}
