#include "settings/SizeTable.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace {
// rows = round((p^1.5 + 1) * 1.414 + 6), ties to even (none occur), and the
// field widens to 3:2 from position 5. Evaluated once in extended precision.
TFieldSize ComputeSize(int position) {
  const long double p = position;
  const long double exact = (std::pow(p, 1.5L) + 1.0L) * 1.414L + 6.0L;
  const int rows = int(std::nearbyint(exact));
  const int columns = position <= 4 ? rows : rows * 9 / 6;
  return {columns, rows};
}

const std::array<TFieldSize, MaxSizePosition + 1>& Table() {
  static const auto table = [] {
    std::array<TFieldSize, MaxSizePosition + 1> sizes{};
    for (int p = MinSizePosition; p <= MaxSizePosition; ++p) sizes[p] = ComputeSize(p);
    return sizes;
  }();
  return table;
}
}  // namespace

TFieldSize SizeAtPosition(int position) {
  return Table()[std::clamp(position, MinSizePosition, MaxSizePosition)];
}

int PositionForColumns(std::int32_t columns) {
  const auto& table = Table();
  for (int p = MinSizePosition; p <= MaxSizePosition; ++p)
    if (table[p].Columns == columns) return p;
  return FallbackSizePosition;
}
