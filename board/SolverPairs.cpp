#include <algorithm>
#include <array>

#include "board/Solver.h"

// Compares one number with every number that shares covered areas with it.
// The shared counts come from one walk over the neighbours of its unknown
// areas; the comparison itself then needs only counts. The numbers met are
// due for a window search too, since their surroundings have changed.
bool TSolver::ComparePairs(std::int32_t revealed) {
  if (!Constraining(revealed)) return false;
  const std::uint32_t stamp = NextStamp();
  FPartners.clear();
  for (const std::int32_t u : FGraph.Neighbours(revealed)) {
    if (FFact[u] != af_Unknown) continue;
    FEffort += std::int64_t(FGraph.Neighbours(u).size());
    for (const std::int32_t other : FGraph.Neighbours(u)) {
      if (other == revealed || !Constraining(other)) continue;
      if (FStamp[other] != stamp) {
        FStamp[other] = stamp;
        FValue[other] = 0;
        FPartners.push_back(other);
      }
      ++FValue[other];
    }
  }
  if (FReach == rc_Windows) {
    FWindows.Push(revealed);
    for (const std::int32_t other : FPartners) FWindows.Push(other);
  }
  for (std::size_t k = 0; k < FPartners.size(); ++k)
    if (SettlePair(revealed, FPartners[k], FValue[FPartners[k]])) {
      FPairs.Push(revealed);  // more may follow once the settled areas are read
      return true;
    }
  return false;
}

namespace {

// What a part of two numbers' covered areas must be, if anything.
enum TPartFact { pf_Open, pf_Safe, pf_Mine };

// A part of size areas that holds between least and most mines.
TPartFact PartFact(std::int32_t size, std::int32_t least, std::int32_t most) {
  if (size == 0) return pf_Open;
  if (most <= 0) return pf_Safe;
  if (least >= size) return pf_Mine;
  return pf_Open;
}

TAreaFact AreaFactOf(TPartFact fact) { return fact == pf_Safe ? af_Safe : af_Mine; }

}  // namespace

// Two numbers a and b over covered areas A and B sharing X = A n B. The
// mines in X are at least what each number cannot place outside X and at
// most what either allows; A - X then holds a minus those, B - X likewise.
bool TSolver::SettlePair(std::int32_t first, std::int32_t second, std::int32_t shared) {
  const std::int32_t a = FNeed[first], b = FNeed[second];
  const std::int32_t onlyA = FOpen[first] - shared, onlyB = FOpen[second] - shared;
  const std::int32_t least = std::max({0, a - onlyA, b - onlyB});
  const std::int32_t most = std::min({shared, a, b});
  if (least > most) return false;  // what it was told does not add up
  const TPartFact inShared = PartFact(shared, least, most);
  const TPartFact inA = PartFact(onlyA, a - most, a - least);
  const TPartFact inB = PartFact(onlyB, b - most, b - least);
  if (inShared == pf_Open && inA == pf_Open && inB == pf_Open) return false;

  // Which unknown areas are beside the second number, before any changes.
  const std::uint32_t stamp = NextStamp();
  for (const std::int32_t u : FGraph.Neighbours(second))
    if (FFact[u] == af_Unknown) FStamp[u] = stamp;
  std::vector<std::pair<std::int32_t, TAreaFact>> settled;
  for (const std::int32_t u : FGraph.Neighbours(first)) {
    if (FFact[u] != af_Unknown) continue;
    const bool inSecond = FStamp[u] == stamp;
    const TPartFact part = inSecond ? inShared : inA;
    if (part != pf_Open) settled.emplace_back(u, AreaFactOf(part));
    if (inSecond) FStamp[u] = 0;  // met: what stays marked is B - X
  }
  if (inB != pf_Open)
    for (const std::int32_t u : FGraph.Neighbours(second))
      if (FFact[u] == af_Unknown && FStamp[u] == stamp) settled.emplace_back(u, AreaFactOf(inB));
  BeginReason(std::array{first, second});
  for (const auto& [u, fact] : settled) Resolve(u, fact);
  EndReason();
  return !settled.empty();
}
