#include "board/NoGuessPlacement.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "board/Random.h"
#include "board/Solver.h"

namespace {

// Fresh placements tried at most, and repairs of one placement before it is
// given up. The repairs grow with the field: a larger field has more places
// where the solver may get stuck on the way.
constexpr int Attempts = 40;
int RepairBudget(std::int32_t areas) { return 100 + areas / 10; }
// The whole search stops after this much work (see TSolver::Effort) per
// area and link of the field, which on the largest field is well under a
// second, or after the least budget, a fifth of that, on small fields.
constexpr std::int64_t EffortPerSize = 1500;
constexpr std::int64_t LeastEffort = 40'000'000;
// Stuck numbers tried before a repair is given up.
constexpr int RepairTries = 8;
// Rounds of moving mines that no number can reach, after laying them.
constexpr int ReconnectRounds = 4;

// The search for one field. Mines are first laid at random away from the
// start; the solver then plays from the start, and wherever it gets stuck
// the placement is repaired round one stuck number: its unknown areas are
// all made safe (their mines moved to other areas) or all made mines
// (taking mines from other areas), so that the number settles them.
//
// While the other areas are ones the solver does not know yet, everything
// it has found stays true: turning an unknown area over changes every
// number beside it by one, so the placements that fit the new numbers are
// exactly those that fitted the old ones with that area turned over, and
// what was certain of the other areas stays certain. The solver then goes
// on from where it stood. When no unknown areas are left to trade with,
// known ones are used, and the solver starts again from the start. Playing
// the field from the start as the game plays it confirms the final
// placement either way.
class TPlacer {
 public:
  TPlacer(const TAreaGraph& graph, std::int32_t start, std::int32_t mines);
  TPlacement Run();

 private:
  // The areas a repair may trade with: every area it can turn over, or
  // only those the solver does not know yet.
  enum TTrade { tr_Unknown, tr_Any };
  struct TCandidates {
    std::vector<std::int32_t> Numbers;  // revealed areas with unknown areas beside them
    std::vector<std::int32_t> Sealed;   // unknown mines with nothing but mines beside them
    // Safe areas that may take a mine and mines, away from the revealed
    // areas (inner) or beside them (outer).
    std::vector<std::int32_t> InnerSafe, OuterSafe, InnerMines, OuterMines;
  };

  void MarkReachable();
  void LayAtRandom();
  void Sample(std::vector<std::int32_t>& areas, std::int32_t take);
  void Reconnect();
  std::vector<std::uint8_t> SafeAreasJoinedToStart() const;
  bool EveryMineCanBeFound();
  bool Sealed(std::int32_t area) const;
  bool CanTakeMine(std::int32_t area) const;

  bool Attempt();
  bool OutOfEffort() const { return FSpent + FSolver->Effort() > FEffortBudget; }
  void NewSolver();
  void StartSolver();
  void Solve(TSolver& solver);
  void Replay(TSolver& solver);
  void Flood(const std::vector<std::int32_t>& batch, std::vector<std::uint8_t>& uncovered,
             std::vector<std::int32_t>& opened) const;
  void RevealTo(TSolver& solver, std::int32_t area);
  bool Cleared(const TSolver& solver) const { return solver.KnownMines() == FLaid; }
  void KeepIfBest(const TSolver& solver);

  bool Repair(TSolver& solver, TTrade trade);
  TCandidates FindCandidates(const TSolver& solver, TTrade trade);
  bool RepairAround(TSolver& solver, std::int32_t number, TCandidates& candidates, TTrade trade);
  void NextSet();
  bool Move(TSolver* solver, const std::vector<std::int32_t>& from, std::vector<std::int32_t>& first,
            std::vector<std::int32_t>& second);
  void Flip(std::int32_t area);

  const TAreaGraph& FGraph;
  const std::int32_t FStart;
  const std::int32_t FAsked;
  std::int32_t FLaid = 0;
  // Every mine lies beside a safe area joined to the start: the moves keep
  // it so once it is.
  bool FFindable = false;
  std::vector<std::uint8_t> FMine;
  std::vector<std::int32_t> FNumber;          // mines beside each area
  std::vector<std::uint8_t> FReachable;       // joined to the start through playable areas
  std::vector<std::uint8_t> FNearStart;       // the start and the areas beside it
  std::vector<std::int32_t> FRevealedBeside;  // per area: revealed areas beside it
  std::vector<std::uint32_t> FInSet;          // stamp: in the set being repaired
  std::uint32_t FSetStamp = 0;
  std::unique_ptr<TSolver> FSolver;
  // Work done by the search so far, beside the solver's, and the bound.
  std::int64_t FSpent = 0;
  std::int64_t FSize = 0;  // areas and links of the field
  std::int64_t FEffortBudget = 0;
  std::vector<std::uint8_t> FBest;
  std::int32_t FBestMissing = std::numeric_limits<std::int32_t>::max();
};

TPlacer::TPlacer(const TAreaGraph& graph, std::int32_t start, std::int32_t mines)
    : FGraph(graph), FStart(start), FAsked(std::max(mines, 0)) {
  const std::size_t count = std::size_t(graph.AreaCount());
  FReachable.assign(count, 0);
  FNearStart.assign(count, 0);
  FInSet.assign(count, 0);
  FNearStart[start] = 1;
  for (const std::int32_t b : graph.Neighbours(start)) FNearStart[b] = 1;
  FSize = graph.AreaCount();
  for (std::int32_t a = 0; a < graph.AreaCount(); ++a) FSize += std::int64_t(graph.Neighbours(a).size());
  FEffortBudget = std::max(EffortPerSize * FSize, LeastEffort);
  MarkReachable();
}

TPlacement TPlacer::Run() {
  for (int attempt = 0; attempt < Attempts && FSpent <= FEffortBudget; ++attempt)
    if (Attempt()) return {FMine, true};
  return {FBest.empty() ? FMine : FBest, false};
}

// Breadth first from the start; areas cut off from it by holes can never be
// reached by deduction, so they take mines only when nothing else can.
void TPlacer::MarkReachable() {
  std::vector<std::int32_t> queue{FStart};
  FReachable[FStart] = 1;
  for (std::size_t head = 0; head < queue.size(); ++head)
    for (const std::int32_t b : FGraph.Neighbours(queue[head]))
      if (!FReachable[b]) {
        FReachable[b] = 1;
        queue.push_back(b);
      }
}

// The mines go first where they leave the start a 0 and can be found,
// then cut off from the start, and last beside it, which raises its number.
// The start itself never holds one.
void TPlacer::LayAtRandom() {
  const std::int32_t count = FGraph.AreaCount();
  std::vector<std::int32_t> open, cutOff, beside;
  for (std::int32_t a = 0; a < count; ++a) {
    if (FGraph.Hole(a) || a == FStart) continue;
    if (FNearStart[a]) beside.push_back(a);
    else if (FReachable[a]) open.push_back(a);
    else cutOff.push_back(a);
  }
  FMine.assign(std::size_t(count), 0);
  FLaid = 0;
  for (std::vector<std::int32_t>* tier : {&open, &cutOff, &beside})
    Sample(*tier, std::min<std::int32_t>(FAsked - FLaid, std::int32_t(tier->size())));
  Reconnect();
  FFindable = EveryMineCanBeFound();
  FNumber.assign(std::size_t(count), 0);
  for (std::int32_t a = 0; a < count; ++a)
    if (FMine[a])
      for (const std::int32_t b : FGraph.Neighbours(a)) ++FNumber[b];
}

// Mines on take areas of the list, drawn uniformly.
void TPlacer::Sample(std::vector<std::int32_t>& areas, std::int32_t take) {
  const int size = int(areas.size());
  for (int i = 0; i < take; ++i) {
    std::swap(areas[i], areas[i + RandInt(size - i)]);
    FMine[areas[i]] = 1;
  }
  FLaid += std::max(take, 0);
}

// Only safe areas joined to the start through safe areas can ever be
// uncovered, so a mine with none of them beside it can never be found: no
// number the player can see counts it. Such mines move, each to a safe
// area of that part chosen at random, until none is left (or, after a few
// rounds, the repairs take over: a move can cut off another part).
void TPlacer::Reconnect() {
  for (int round = 0; round < ReconnectRounds; ++round) {
    FSpent += FSize;
    const std::vector<std::uint8_t> joined = SafeAreasJoinedToStart();
    std::vector<std::int32_t> lost, receivers;
    for (std::int32_t a = 0; a < FGraph.AreaCount(); ++a) {
      if (!FReachable[a]) continue;
      bool besideJoined = false;
      for (const std::int32_t b : FGraph.Neighbours(a)) besideJoined = besideJoined || joined[b];
      if (FMine[a] && !besideJoined) lost.push_back(a);
      if (joined[a] && !FNearStart[a]) receivers.push_back(a);
    }
    if (lost.empty() || receivers.empty()) return;
    for (const std::int32_t area : lost) {
      const std::int32_t to = receivers[RandInt(int(receivers.size()))];
      if (FMine[to]) continue;
      FMine[area] = 0;
      FMine[to] = 1;
    }
  }
}

bool TPlacer::EveryMineCanBeFound() {
  FSpent += FSize;
  const std::vector<std::uint8_t> joined = SafeAreasJoinedToStart();
  for (std::int32_t a = 0; a < FGraph.AreaCount(); ++a) {
    if (!FMine[a]) continue;
    bool besideJoined = false;
    for (const std::int32_t b : FGraph.Neighbours(a)) besideJoined = besideJoined || joined[b];
    if (!besideJoined) return false;
  }
  return true;
}

std::vector<std::uint8_t> TPlacer::SafeAreasJoinedToStart() const {
  std::vector<std::uint8_t> joined(std::size_t(FGraph.AreaCount()), 0);
  std::vector<std::int32_t> queue{FStart};
  joined[FStart] = 1;
  for (std::size_t head = 0; head < queue.size(); ++head)
    for (const std::int32_t b : FGraph.Neighbours(queue[head]))
      if (!joined[b] && !FMine[b]) {
        joined[b] = 1;
        queue.push_back(b);
      }
  return joined;
}

// A mine with nothing but mines beside it can never be found: no number
// ever counts it. (A safe area so enclosed does no harm: the field is
// cleared without it.)
bool TPlacer::Sealed(std::int32_t area) const { return FMine[area] && !CanTakeMine(area); }

// A mine here could be found: some area beside it is safe.
bool TPlacer::CanTakeMine(std::int32_t area) const {
  for (const std::int32_t b : FGraph.Neighbours(area))
    if (!FMine[b]) return true;
  return false;
}

// A placement that the solver clears after repairs is confirmed by playing
// it from the start as the game is played; should that stop somewhere, the
// repairs go on from there.
bool TPlacer::Attempt() {
  LayAtRandom();
  StartSolver();
  const int budget = RepairBudget(FGraph.AreaCount());
  for (int repairs = 0;;) {
    Solve(*FSolver);
    if (Cleared(*FSolver)) {
      NewSolver();
      Replay(*FSolver);
      if (Cleared(*FSolver)) return true;
    }
    KeepIfBest(*FSolver);
    if (++repairs > budget || OutOfEffort()) return false;
    if (Repair(*FSolver, tr_Unknown)) continue;
    if (!Repair(*FSolver, tr_Any)) return false;
    StartSolver();
  }
}

// A fresh solver that has seen nothing, or only the start; the old one's
// work is counted.
void TPlacer::NewSolver() {
  if (FSolver) FSpent += FSolver->Effort();
  FSolver = std::make_unique<TSolver>(FGraph);
  FRevealedBeside.assign(std::size_t(FGraph.AreaCount()), 0);
  FSpent += FGraph.AreaCount();
}

void TPlacer::StartSolver() {
  NewSolver();
  RevealTo(*FSolver, FStart);
}

// Plays the field from the start (which the solver has seen) exactly as
// the board and PlayByDeduction play it, so that a placement confirmed here
// is cleared there: the solver reasons until it has safe areas to give,
// these are all uncovered, the flood opens every area beside an uncovered
// 0, and the solver is told the areas uncovered in the order of the list.
// (What the solver finds can depend on the order it learns things in.)
void TPlacer::Replay(TSolver& solver) {
  std::vector<std::uint8_t> uncovered(std::size_t(FGraph.AreaCount()), 0);
  uncovered[FStart] = 1;
  std::vector<std::int32_t> batch{FStart}, opened;
  for (;;) {
    FSpent += std::int64_t(batch.size());
    Flood(batch, uncovered, opened);
    std::sort(opened.begin(), opened.end());
    for (const std::int32_t area : opened)
      if (!solver.Revealed(area)) RevealTo(solver, area);
    const bool more = solver.Deduce();
    batch.clear();
    std::int32_t area = 0;
    while (solver.TakeSafe(area)) {
      if (uncovered[area]) continue;
      uncovered[area] = 1;
      batch.push_back(area);
    }
    if (!more && batch.empty()) return;
  }
}

// The areas just uncovered and every area the flood opens from them: all
// that touch an uncovered 0, again and again.
void TPlacer::Flood(const std::vector<std::int32_t>& batch, std::vector<std::uint8_t>& uncovered,
                    std::vector<std::int32_t>& opened) const {
  opened = batch;
  for (std::size_t head = 0; head < opened.size(); ++head) {
    if (FNumber[opened[head]] != 0) continue;
    for (const std::int32_t b : FGraph.Neighbours(opened[head]))
      if (!uncovered[b]) {
        uncovered[b] = 1;
        opened.push_back(b);
      }
  }
}

// Plays the solver on: every area it finds safe is uncovered and read.
void TPlacer::Solve(TSolver& solver) {
  std::int32_t area = 0;
  while (solver.Deduce())
    while (solver.TakeSafe(area)) RevealTo(solver, area);
}

void TPlacer::RevealTo(TSolver& solver, std::int32_t area) {
  solver.Reveal(area, FNumber[area]);
  for (const std::int32_t b : FGraph.Neighbours(area)) ++FRevealedBeside[b];
}

void TPlacer::KeepIfBest(const TSolver& solver) {
  const std::int32_t missing = FLaid - solver.KnownMines();
  if (missing >= FBestMissing) return;
  FBestMissing = missing;
  FBest = FMine;
}

// Sealed mines first: they are found by no number, so they go wherever one
// will count them. Then a stuck number, tried at random.
bool TPlacer::Repair(TSolver& solver, TTrade trade) {
  TSolver* live = trade == tr_Unknown ? &solver : nullptr;
  TCandidates candidates = FindCandidates(solver, trade);
  if (!candidates.Sealed.empty()) {
    NextSet();
    for (const std::int32_t area : candidates.Sealed) FInSet[area] = FSetStamp;
    if (Move(live, candidates.Sealed, candidates.OuterSafe, candidates.InnerSafe)) return true;
  }
  for (int tries = 0; tries < RepairTries && !candidates.Numbers.empty(); ++tries) {
    const int pick = RandInt(int(candidates.Numbers.size()));
    if (RepairAround(solver, candidates.Numbers[pick], candidates, trade)) return true;
    candidates.Numbers[pick] = candidates.Numbers.back();
    candidates.Numbers.pop_back();
  }
  return false;
}

// Areas cut off from the start are no use, nor are the start's neighbours
// for a mine: the start keeps the number it was given. Trading with known
// areas, the revealed ones count as outer (a mine there is next to the
// numbers) and so do the found mines.
TPlacer::TCandidates TPlacer::FindCandidates(const TSolver& solver, TTrade trade) {
  FSpent += FGraph.AreaCount();
  TCandidates found;
  for (std::int32_t a = 0; a < FGraph.AreaCount(); ++a) {
    if (solver.Revealed(a) && solver.Open(a) > 0) found.Numbers.push_back(a);
    if (!FReachable[a] || a == FStart) continue;
    const bool unknown = solver.Fact(a) == af_Unknown;
    if (unknown && Sealed(a)) found.Sealed.push_back(a);
    if (!unknown && trade == tr_Unknown) continue;
    const bool inner = unknown && FRevealedBeside[a] == 0;
    if (FMine[a]) (inner ? found.InnerMines : found.OuterMines).push_back(a);
    else if (!FNearStart[a] && CanTakeMine(a)) (inner ? found.InnerSafe : found.OuterSafe).push_back(a);
  }
  return found;
}

void TPlacer::NextSet() {
  if (++FSetStamp == 0) {
    std::fill(FInSet.begin(), FInSet.end(), 0);
    FSetStamp = 1;
  }
}

// Settles the unknown areas round one number by making them all safe or all
// mines, whichever moves fewer mines. Mines go to inner areas first, far
// from where the solver stands, so they do not crowd the next numbers.
bool TPlacer::RepairAround(TSolver& solver, std::int32_t number, TCandidates& candidates, TTrade trade) {
  NextSet();
  std::vector<std::int32_t> mines, safe;
  bool nearStart = false;
  for (const std::int32_t u : FGraph.Neighbours(number)) {
    if (solver.Fact(u) != af_Unknown) continue;
    FInSet[u] = FSetStamp;
    (FMine[u] ? mines : safe).push_back(u);
    nearStart = nearStart || (!FMine[u] && FNearStart[u]);
  }
  auto outside = [&](const std::vector<std::int32_t>& list) {
    return std::count_if(list.begin(), list.end(), [&](std::int32_t a) { return FInSet[a] != FSetStamp; });
  };
  const auto receivers = outside(candidates.InnerSafe) + outside(candidates.OuterSafe);
  const auto donors = outside(candidates.InnerMines) + outside(candidates.OuterMines);
  const bool canClear = std::size_t(receivers) >= mines.size();
  const bool canFill = !nearStart && std::size_t(donors) >= safe.size();
  TSolver* live = trade == tr_Unknown ? &solver : nullptr;
  if (canClear && (!canFill || mines.size() <= safe.size()))
    return Move(live, mines, candidates.InnerSafe, candidates.OuterSafe);
  if (canFill) return Move(live, safe, candidates.InnerMines, candidates.OuterMines);
  return false;
}

// Turns over the areas of the set, and as many areas of the lists (from the
// first one first, at random, none of the set) the other way, so the number
// of mines stays; when the lists have too few, nothing changes. The areas
// drawn leave the lists. A move that would cut a mine off from every area
// the player can reach is taken back. A live solver is told the numbers
// that change.
bool TPlacer::Move(TSolver* solver, const std::vector<std::int32_t>& from, std::vector<std::int32_t>& first,
                   std::vector<std::int32_t>& second) {
  std::vector<std::int32_t> to;
  for (std::vector<std::int32_t>* list : {&first, &second})
    while (to.size() < from.size() && !list->empty()) {
      const int pick = RandInt(int(list->size()));
      const std::int32_t area = (*list)[pick];
      (*list)[pick] = list->back();
      list->pop_back();
      if (FInSet[area] != FSetStamp) to.push_back(area);
    }
  if (to.size() < from.size()) return false;
  to.insert(to.end(), from.begin(), from.end());
  for (const std::int32_t area : to) Flip(area);
  if (FFindable && !EveryMineCanBeFound()) {
    for (const std::int32_t area : to) Flip(area);
    return false;
  }
  if (solver)
    for (const std::int32_t area : to) {
      const std::int32_t delta = FMine[area] ? 1 : -1;
      for (const std::int32_t b : FGraph.Neighbours(area)) solver->ShiftNumber(b, delta);
    }
  return true;
}

void TPlacer::Flip(std::int32_t area) {
  FMine[area] ^= 1;
  const std::int32_t delta = FMine[area] ? 1 : -1;
  for (const std::int32_t b : FGraph.Neighbours(area)) FNumber[b] += delta;
}

}  // namespace

TPlacement PlaceWithoutGuess(const TAreaGraph& graph, std::int32_t start, std::int32_t mines) {
  if (start < 0 || start >= graph.AreaCount() || graph.Hole(start)) return {};
  return TPlacer(graph, start, mines).Run();
}
