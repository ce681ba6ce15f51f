#include "board/Solver.h"

#include <algorithm>
#include <array>

TSolver::TSolver(const TAreaGraph& graph, TReach reach) : FGraph(graph), FReach(reach) {
  const std::size_t count = std::size_t(graph.AreaCount());
  FFact.resize(count, af_Unknown);
  for (std::int32_t a = 0; a < graph.AreaCount(); ++a)
    if (graph.Hole(a)) FFact[a] = af_Hole;
  FRevealed.resize(count, 0);
  FNeed.resize(count, 0);
  FOpen.resize(count, 0);
  FAlone.Resize(count);
  FPairs.Resize(count);
  FWindows.Resize(count);
  FSearched.resize(count, 0);
  FReasonOf.resize(count, -1);
  FSettledAt.resize(count, 0);
  FStamp.resize(count, 0);
  FValue.resize(count, 0);
}

void TSolver::Reveal(std::int32_t area, std::int32_t number) {
  if (area < 0 || area >= FGraph.AreaCount() || FRevealed[area]) return;
  if (FFact[area] == af_Unknown) Resolve(area, af_Safe);
  if (FFact[area] != af_Safe) return;  // a hole, or told a mine before
  FRevealed[area] = 1;
  FEffort += std::int64_t(FGraph.Neighbours(area).size());
  std::int32_t need = number, open = 0;
  for (const std::int32_t b : FGraph.Neighbours(area)) {
    need -= FFact[b] == af_Mine;
    open += FFact[b] == af_Unknown;
  }
  FNeed[area] = need;
  FOpen[area] = open;
  Touch(area);
}

void TSolver::KnowMine(std::int32_t area) {
  if (area >= 0 && area < FGraph.AreaCount() && FFact[area] == af_Unknown) Resolve(area, af_Mine);
}

void TSolver::ShiftNumber(std::int32_t area, std::int32_t delta) {
  if (area < 0 || area >= FGraph.AreaCount() || !FRevealed[area]) return;
  FNeed[area] += delta;
  Touch(area);
}

// An area becomes known: every revealed number beside it has one unknown
// area less to account for, and one mine less to find if it was a mine.
void TSolver::Resolve(std::int32_t area, TAreaFact fact) {
  if (FFact[area] != af_Unknown) return;
  FFact[area] = fact;
  FReasonOf[area] = FReason;
  FSettledAt[area] = FSettled++;
  FEffort += std::int64_t(FGraph.Neighbours(area).size());
  if (fact == af_Mine) {
    ++FKnownMines;
    FMinesFound.push_back(area);
  } else {
    FSafeFound.push_back(area);
  }
  for (const std::int32_t r : FGraph.Neighbours(area)) {
    if (!FRevealed[r]) continue;
    --FOpen[r];
    if (fact == af_Mine) --FNeed[r];
    Touch(r);
  }
}

void TSolver::Touch(std::int32_t revealed) {
  FAlone.Push(revealed);
  FPairs.Push(revealed);
  FSearched[revealed] = 0;
}

bool TSolver::SafeWaiting() {
  while (FSafeTaken < FSafeFound.size() && FRevealed[FSafeFound[FSafeTaken]]) ++FSafeTaken;
  return FSafeTaken < FSafeFound.size();
}

bool TSolver::TakeSafe(std::int32_t& area) {
  if (!SafeWaiting()) return false;
  area = FSafeFound[FSafeTaken++];
  return true;
}

bool TSolver::TakeMine(std::int32_t& area) {
  if (FMinesTaken == FMinesFound.size()) return false;
  area = FMinesFound[FMinesTaken++];
  return true;
}

std::uint32_t TSolver::NextStamp() {
  if (++FStampValue == 0) {
    std::fill(FStamp.begin(), FStamp.end(), 0);
    FStampValue = 1;
  }
  return FStampValue;
}

// The cheap steps first, each only when the ones before are spent: a number
// read alone costs its neighbours, a comparison its neighbours' neighbours,
// a window an exhaustive search.
bool TSolver::Deduce() {
  std::int32_t r = 0;
  for (;;) {
    while (FAlone.Pop(r)) SettleAlone(r);
    if (SafeWaiting()) return true;
    if (FPairs.Pop(r)) {
      ComparePairs(r);
      continue;
    }
    if (FWindows.Pop(r)) {
      SearchWindow(r);
      continue;
    }
    return false;
  }
}

void TSolver::SettleAlone(std::int32_t revealed) {
  if (!Constraining(revealed)) return;
  if (FNeed[revealed] == 0) SettleAll(revealed, af_Safe);
  else if (FNeed[revealed] == FOpen[revealed]) SettleAll(revealed, af_Mine);
}

void TSolver::SettleAll(std::int32_t revealed, TAreaFact fact) {
  BeginReason(std::array{revealed}, fact == af_Safe);
  for (const std::int32_t b : FGraph.Neighbours(revealed))
    if (FFact[b] == af_Unknown) Resolve(b, fact);
  EndReason();
}

// A rule's numbers counted the areas settled beside them before it: the
// reasons of those are traced back in turn.
std::vector<std::int32_t> TSolver::Reasons(std::int32_t area) {
  std::vector<std::int32_t> numbers;
  if (area < 0 || area >= FGraph.AreaCount() || FReasonOf[area] < 0) return numbers;
  const std::uint32_t stamp = NextStamp();
  std::vector<std::int32_t> waiting{area};
  FStamp[area] = stamp;
  while (!waiting.empty()) {
    const std::int32_t settled = waiting.back();
    waiting.pop_back();
    const std::int32_t reason = FReasonOf[settled];
    const bool minesOnly = FReasonMinesOnly[reason];
    for (std::int32_t k = FReasonStart[reason]; k < FReasonStart[reason + 1]; ++k) {
      const std::int32_t number = FReasonNumbers[k];
      if (FStamp[number] != stamp) {
        FStamp[number] = stamp;
        numbers.push_back(number);
      }
      for (const std::int32_t b : FGraph.Neighbours(number))
        if (FStamp[b] != stamp && FReasonOf[b] >= 0 && FSettledAt[b] < FSettledAt[settled] &&
            (!minesOnly || FFact[b] == af_Mine)) {
          FStamp[b] = stamp;
          waiting.push_back(b);
        }
    }
  }
  return numbers;
}
