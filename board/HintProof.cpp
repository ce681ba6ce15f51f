#include <algorithm>

#include "board/AreaGraph.h"
#include "board/Board.h"
#include "board/Hint.h"

namespace {

// One question to the exact search while a proof is made shorter takes at
// most this many decisions (a few milliseconds): a number whose part is
// hard to tell stays in the proof. Counting decisions rather than time
// keeps the proof the same on a busy machine.
constexpr std::int64_t QuestionDecisions = 20000;
// Smaller choices from a proof's numbers are all tried while there are no
// more numbers than this, and no more tries than this in all.
constexpr std::size_t LargestPool = 16;
constexpr int MostTries = 2000;

// Finds the numbers that prove one claim about one covered area, and makes
// a proof shorter.
class TProver {
 public:
  TProver(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine);
  // A proof looked for near the area before further out: the numbers are
  // taken in rings, first those beside the area, then those beside the
  // covered areas of the numbers taken, and so on.
  std::vector<std::int32_t> Find(TDeadline deadline);
  // The fewest numbers of the proof that still prove the claim, as far as
  // the time allows.
  std::vector<std::int32_t> Shorten(std::vector<std::int32_t> proof, TDeadline deadline);

 private:
  bool Uncovered(std::int32_t a) const { return FBoard.Areas()[a]->Uncovered; }
  void Start();
  bool Grow();
  void TakeAll();
  std::vector<std::int32_t> NearestNumbers();
  void LeaveOutWhatIsNotNeeded(TDeadline deadline);
  void LookForFewer(const std::vector<std::int32_t>& pool, TDeadline deadline);
  TSearchAnswer Proves(const std::vector<std::int32_t>& numbers, TDeadline deadline,
                       std::int64_t decisions = std::numeric_limits<std::int64_t>::max());

  const TBoard& FBoard;
  const TAreaGraph& FGraph;
  const std::int32_t FArea;
  const bool FMine;
  std::vector<std::int32_t> FNumbers;  // the proof so far
  std::size_t FRingStart = 0;          // where the last ring begins
  std::vector<std::uint8_t> FTaken;    // per area: a number taken, or a covered area met
  // The search's index of each covered area, for the numbers being tried.
  std::vector<int> FIndexOf;
  TExactSearch FSearch;
};

TProver::TProver(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine)
    : FBoard(board), FGraph(graph), FArea(area), FMine(mine) {
  FIndexOf.assign(std::size_t(graph.AreaCount()), -1);
}

std::vector<std::int32_t> TProver::Find(TDeadline deadline) {
  Start();
  for (;;) {
    const TSearchAnswer proven = Proves(FNumbers, deadline);
    if (proven == sa_Yes) break;
    if (proven == sa_OutOfTime) {
      TakeAll();
      return FNumbers;
    }
    if (!Grow()) return FNumbers;  // all of them, for a claim they do not prove
  }
  return Shorten(FNumbers, deadline);
}

// The first ring: the numbers beside the area.
void TProver::Start() {
  FTaken.assign(std::size_t(FGraph.AreaCount()), 0);
  FTaken[FArea] = 1;
  FNumbers.clear();
  FRingStart = 0;
  for (const std::int32_t r : FGraph.Neighbours(FArea))
    if (Uncovered(r)) {
      FTaken[r] = 1;
      FNumbers.push_back(r);
    }
}

// The next ring: the numbers beside the covered areas of the last ring's
// numbers. False when there are none: every number joined to the area is
// taken.
bool TProver::Grow() {
  const std::size_t end = FNumbers.size();
  for (std::size_t i = FRingStart; i < end; ++i)
    for (const std::int32_t u : FGraph.Neighbours(FNumbers[i])) {
      if (Uncovered(u) || FTaken[u]) continue;
      FTaken[u] = 1;
      for (const std::int32_t r : FGraph.Neighbours(u))
        if (Uncovered(r) && !FTaken[r]) {
          FTaken[r] = 1;
          FNumbers.push_back(r);
        }
    }
  FRingStart = end;
  return FNumbers.size() > end;
}

void TProver::TakeAll() {
  while (Grow()) {
  }
}

// A proof that comes from elsewhere may have missed a shorter one among
// the numbers nearest the area: the choices are made from the proof's own
// numbers and those.
std::vector<std::int32_t> TProver::Shorten(std::vector<std::int32_t> proof, TDeadline deadline) {
  FNumbers = std::move(proof);
  LeaveOutWhatIsNotNeeded(deadline);
  if (FNumbers.size() <= 1) return FNumbers;
  std::vector<std::int32_t> pool = FNumbers;
  for (const std::int32_t r : NearestNumbers())
    if (pool.size() < LargestPool && std::find(pool.begin(), pool.end(), r) == pool.end()) pool.push_back(r);
  LookForFewer(pool, deadline);
  return FNumbers;
}

// The numbers in the first two rings round the area, nearest first.
std::vector<std::int32_t> TProver::NearestNumbers() {
  const std::vector<std::int32_t> kept = FNumbers;
  Start();
  Grow();
  std::vector<std::int32_t> nearest;
  nearest.swap(FNumbers);
  FNumbers = kept;
  return nearest;
}

// The furthest first: the numbers nearest the area are the likeliest to be
// needed. What is left proves the claim, and without any one of its
// numbers would not (or the search could not tell in its time).
void TProver::LeaveOutWhatIsNotNeeded(TDeadline deadline) {
  std::vector<std::int32_t> fewer;
  for (std::size_t i = FNumbers.size(); i-- > 0;) {
    if (std::chrono::steady_clock::now() >= deadline) return;
    fewer = FNumbers;
    fewer.erase(fewer.begin() + std::ptrdiff_t(i));
    if (Proves(fewer, deadline, QuestionDecisions) == sa_Yes) FNumbers.swap(fewer);
  }
}

// Leaving numbers out one at a time can keep three where two others would
// do. Every smaller choice from the pool is tried, the smallest first and
// the first numbers of the pool first.
void TProver::LookForFewer(const std::vector<std::int32_t>& pool, TDeadline deadline) {
  const std::size_t n = pool.size();
  int tries = 0;
  std::vector<std::int32_t> choice;
  for (std::size_t k = 1; k < FNumbers.size(); ++k) {
    std::vector<std::size_t> at(k);
    for (std::size_t i = 0; i < k; ++i) at[i] = i;
    for (;;) {
      if (++tries > MostTries || std::chrono::steady_clock::now() >= deadline) return;
      choice.clear();
      for (const std::size_t i : at) choice.push_back(pool[i]);
      if (Proves(choice, deadline, QuestionDecisions) == sa_Yes) {
        FNumbers = choice;
        return;
      }
      // The next choice of k in order.
      std::size_t i = k;
      while (i > 0 && at[i - 1] == n - k + i - 1) --i;
      if (i == 0) break;
      ++at[i - 1];
      for (std::size_t j = i; j < k; ++j) at[j] = at[j - 1] + 1;
    }
  }
}

// Whether these numbers alone rule out the area's being the other way.
TSearchAnswer TProver::Proves(const std::vector<std::int32_t>& numbers, TDeadline deadline,
                              std::int64_t decisions) {
  FSearch.Clear();
  std::vector<std::int32_t> indexed;
  std::vector<int> areas;
  for (const std::int32_t r : numbers) {
    areas.clear();
    for (const std::int32_t u : FGraph.Neighbours(r)) {
      if (Uncovered(u)) continue;
      if (FIndexOf[u] < 0) {
        FIndexOf[u] = FSearch.AddArea();
        indexed.push_back(u);
      }
      areas.push_back(FIndexOf[u]);
    }
    FSearch.AddNumber(areas, FBoard.Areas()[r]->MineCount);
  }
  const int area = FIndexOf[FArea];
  for (const std::int32_t u : indexed) FIndexOf[u] = -1;
  if (area < 0) return sa_No;  // no number bears on it
  const TSearchAnswer answer = FSearch.CanBe(area, FMine ? 0 : 1, deadline, decisions);
  return answer == sa_No ? sa_Yes : answer == sa_Yes ? sa_No : sa_OutOfTime;
}

bool Provable(const TBoard& board, const TAreaGraph& graph, std::int32_t area) {
  return area >= 0 && area < graph.AreaCount() && !graph.Hole(area) && !board.Areas()[area]->Uncovered;
}

}  // namespace

std::vector<std::int32_t> ProveArea(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine,
                                    TDeadline deadline) {
  if (!Provable(board, graph, area)) return {};
  std::vector<std::int32_t> proof = TProver(board, graph, area, mine).Find(deadline);
  std::sort(proof.begin(), proof.end());
  return proof;
}

std::vector<std::int32_t> ShortenProof(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine,
                                       std::vector<std::int32_t> proof, TDeadline deadline) {
  if (!Provable(board, graph, area)) return {};
  proof = TProver(board, graph, area, mine).Shorten(std::move(proof), deadline);
  std::sort(proof.begin(), proof.end());
  return proof;
}
