#pragma once
#include <cstdint>
#include <span>
#include <vector>

class TBoard;

// Which areas touch which: the shape of a field as the player sees it, with
// no mines in it. Two areas touch when a cell of one is among the eight
// around a cell of the other, wherever their cells lie; an area's number
// counts the mines among the areas it touches. Areas are numbered as in the
// board's list; holes touch nothing and nothing touches them.
class TAreaGraph {
 public:
  TAreaGraph() = default;
  explicit TAreaGraph(const TBoard& board);

  std::int32_t AreaCount() const { return std::int32_t(FHole.size()); }
  bool Hole(std::int32_t area) const { return FHole[area] != 0; }
  // The playable areas that touch this one, each once, itself not.
  std::span<const std::int32_t> Neighbours(std::int32_t area) const {
    return {FNeighbours.data() + FStart[area], FNeighbours.data() + FStart[area + 1]};
  }

 private:
  std::vector<std::uint8_t> FHole;
  std::vector<std::int32_t> FStart;       // per area: first entry in FNeighbours
  std::vector<std::int32_t> FNeighbours;  // neighbour lists, one after another
};
