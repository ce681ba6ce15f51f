#include "board/NumberConstraints.h"

void TNumberConstraints::Clear() {
  FAreaCount = 0;
  FNumberStart.assign(1, 0);
  FNumberAreas.clear();
  FGivenNeed.clear();
}

void TNumberConstraints::AddNumber(const std::vector<int>& areas, int need) {
  FNumberAreas.insert(FNumberAreas.end(), areas.begin(), areas.end());
  FNumberStart.push_back(int(FNumberAreas.size()));
  FGivenNeed.push_back(need);
}

// The numbers of each area are a counting sort of the numbers' area lists.
void TNumberConstraints::Index() {
  const std::size_t numbers = FGivenNeed.size();
  FAreaStart.assign(std::size_t(FAreaCount) + 1, 0);
  for (const int area : FNumberAreas) ++FAreaStart[area + 1];
  for (int a = 0; a < FAreaCount; ++a) FAreaStart[a + 1] += FAreaStart[a];
  FAreaNumbers.resize(FNumberAreas.size());
  std::vector<int> fill(FAreaStart.begin(), FAreaStart.end() - 1);
  for (std::size_t n = 0; n < numbers; ++n)
    for (int k = FNumberStart[n]; k < FNumberStart[n + 1]; ++k) FAreaNumbers[fill[FNumberAreas[k]]++] = int(n);
  FNeed = FGivenNeed;
  FFree.resize(numbers);
  for (std::size_t n = 0; n < numbers; ++n) FFree[n] = FNumberStart[n + 1] - FNumberStart[n];
  FValue.assign(std::size_t(FAreaCount), -1);
  FTrail.clear();
}

bool TNumberConstraints::ForceAtRoot() {
  for (int n = 0; n < NumberCount(); ++n)
    if (!ForceNumber(n)) return false;
  return true;
}

bool TNumberConstraints::ForceAtRoot(std::span<const int> numbers) {
  for (const int n : numbers)
    if (!ForceNumber(n)) return false;
  return true;
}

bool TNumberConstraints::ForceNumber(int number) {
  if (Unmeetable(number)) return false;
  if (!Forcing(number)) return true;
  for (const int area : AreasOf(number))
    if (FValue[area] < 0 && !Assign(area, FNeed[number] == 0 ? 0 : 1)) return false;
  return true;
}
