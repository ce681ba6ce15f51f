#include <algorithm>
#include <limits>
#include <numeric>

#include "board/Arithmetic.h"
#include "board/Board.h"
#include "board/Random.h"

namespace {

// The areas still in the list, as a Fenwick tree of 0/1 over their original
// positions: "area number k of the list as it now stands" is found in
// logarithmic time without compacting the list after every merge.
class TStandingOrder {
 public:
  explicit TStandingOrder(int count) : Size(count) {
    while (TopBit * 2 <= count) TopBit *= 2;
    // Entries past the list never let the search step onto them, so the
    // search needs no bounds test.
    Tree.assign(std::size_t(TopBit) * 2, std::numeric_limits<int>::max());
    for (int i = 1; i <= count; ++i) Tree[i] = 0;
    for (int i = 1; i <= count; ++i) {
      Tree[i] += 1;
      const int parent = i + (i & -i);
      if (parent <= count) Tree[parent] += Tree[i];
    }
  }

  // The original position of the standing entry number k (0-based). Which
  // way each step goes is as random as the draws, so it is chosen without
  // a branch.
  int Nth(int k) const {
    int position = 0;
    for (int step = TopBit; step > 0; step /= 2) {
      const int before = Tree[position + step];
      const int forward = -int(before <= k);  // all bits set: step forward
      position += step & forward;
      k -= before & forward;
    }
    return position;  // 1-based result less one
  }

  void Remove(int original) {
    for (int i = original + 1; i <= Size; i += i & -i) --Tree[i];
  }

 private:
  std::vector<int> Tree;
  int Size;
  int TopBit = 1;
};

// Which area a merged area went into, followed to the area that stands.
int Survivor(std::vector<std::int32_t>& into, int area) {
  int root = area;
  while (into[root] != root) root = into[root];
  while (into[area] != root) {
    const int next = into[area];
    into[area] = root;
    area = next;
  }
  return root;
}

}  // namespace

// round(count x linking %) merges, but always leaving at least two areas
// (t = count - 2 stands; larger asks drop to count - 3). Each merge draws
// two distinct areas of the list as it stands; the first one's cells join
// the second, which keeps its own flags, and the first leaves the list.
void TBoard::LinkAreas(std::int32_t linking) {
  const int count = int(FAreas.size());
  std::int64_t merges = RoundToInt32(count * (long double)linking * 0.01L);
  if (merges > count - 2) merges = count - 3;
  if (merges <= 0) return;

  TStandingOrder standing(count);
  std::vector<std::int32_t> into(static_cast<std::size_t>(count));
  std::iota(into.begin(), into.end(), 0);
  for (std::int64_t i = 0; i < merges; ++i) {
    const int now = count - int(i);
    const int a = RandInt(now);
    int b = RandInt(now - 1);  // uniform among the other areas
    if (b >= a) ++b;
    const int from = standing.Nth(a), to = standing.Nth(b);
    into[from] = to;
    standing.Remove(from);
  }

  // One compaction keeps the standing areas in their order and ends the
  // merged ones.
  std::vector<std::int32_t> newIndex(static_cast<std::size_t>(count), -1);
  int kept = 0;
  for (int i = 0; i < count; ++i)
    if (into[i] == i) {
      newIndex[i] = kept;
      FAreas[kept++] = FAreas[i];
    }
  FAreas.resize(std::size_t(kept), TAreaRef(nullptr));
  std::vector<std::int32_t> finalIndex(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) finalIndex[i] = newIndex[Survivor(into, i)];
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      std::int32_t& index = AreaIndex[CellId(column, row)];
      index = finalIndex[index];
    }
}
